// The files beside the settings: what kind of thing a path names, whether a
// file may be replaced, and the game's own temporary files, written and left
// behind by an interrupted write.
#pragma once

#include <sys/types.h>
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <functional>

namespace fw {

// "" for an ordinary file (a link to one included) or nothing at all; else
// what is there instead: "a folder", "a FIFO (a named pipe)", "a device", ...
QString NotAFile(const QString& path);

// Whether the ordinary file at path (or where its link leads) is one the game
// must not replace: made read-only (no write permission for anyone, which
// keeps it as it is even for root and in a folder that takes a rename), or
// one this user may not write.
bool ReadOnlyFile(const QString& path);

// The name pattern of the game's own temporary files for the file at path, for
// mkstemp: ".NAME.tmp-XXXXXX" beside it, a name no player gives a copy of theirs.
QByteArray TemporaryPattern(const QString& path);

// Removes the temporary files that writes of name interrupted between writing
// and renaming left in folder (".NAME.tmp-" and six letters or digits), when
// older than since; nothing else, however much it looks like one.
void RemoveLeftovers(const QString& folder, const QString& name, const QDateTime& since);

// The system calls the files beside the settings are written through; a test
// puts failing ones in their place.
struct FileCalls {
    std::function<ssize_t(int fd, const void* data, size_t size)> write;
    std::function<int(int fd)> sync;
    std::function<int(const char* from, const char* to)> rename;
    FileCalls();
};

// Why a write failed: the system's error number (kNotAFile when the target is
// no ordinary file) and the file with the system's words ("/a/b.ini: No space
// left on device").
struct FileError {
    int code = 0;
    QString what;
};
inline constexpr int kNotAFile = -1;

// Replaces the ordinary file at path (or makes it) by one holding exactly
// text: a temporary file beside it, every byte written, synced and closed,
// renamed over it, and read back. On a failure before the rename the old file
// stays byte for byte and the temporary file goes. A file that this user may
// not write, or made read-only (ReadOnlyFile), is not replaced (EACCES). A new
// file has the mode the umask gives; a replaced one keeps its own.
bool ReplaceFile(const QString& path, const QByteArray& text, const FileCalls& calls, FileError& error);
// Copies the file from into a new file to, never over anything already there
// and never through a link; the copy is synced and read back, and goes again
// when it is not whole.
bool CopyToNewFile(const QString& from, const QString& to, const FileCalls& calls, FileError& error);

}  // namespace fw
