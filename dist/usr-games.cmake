# Run by CPack on the files staged for the Debian package: the program of a
# game goes to /usr/games, which is on every user's PATH on Debian. From there
# ../share/fruitwhirl is its data folder, as from bin/.
set(usr ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
file(RENAME ${usr}/bin ${usr}/games)
