# Writes the site's service worker: every file of the site (SITE) listed for
# its cache, and a version made from their contents.
#   cmake -DSITE=... -DTEMPLATE=.../service-worker.js.in -P service_worker.cmake
file(GLOB_RECURSE files RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM files service-worker.js)
list(SORT files)
set(FW_SITE_FILES "'./'")
set(contents "")
foreach(f IN LISTS files)
  file(SHA256 ${SITE}/${f} sum)
  string(APPEND contents "${f} ${sum}\n")
  string(APPEND FW_SITE_FILES ", '${f}'")
endforeach()
string(SHA256 all "${contents}")
string(SUBSTRING ${all} 0 16 FW_SITE_VERSION)
configure_file(${TEMPLATE} ${SITE}/service-worker.js @ONLY)
