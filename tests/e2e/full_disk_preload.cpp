// Loaded into the real program with LD_PRELOAD: once a switch file exists,
// every write, flush and rename into one folder fails with "No space left on
// device", as on a full disk, without the privileges a small file system needs.
//   FW_FULL_FOLDER  the folder whose disk is full
//   FW_FULL_SWITCH  the file whose existence fills it
#include <dlfcn.h>
#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool Full() {
    const char* name = getenv("FW_FULL_SWITCH");
    struct stat st = {};
    return name != nullptr && stat(name, &st) == 0;
}

bool Inside(const char* path) {
    const char* folder = getenv("FW_FULL_FOLDER");
    if (folder == nullptr || path == nullptr) return false;
    const size_t n = strlen(folder);
    return strncmp(path, folder, n) == 0 && (path[n] == '/' || path[n] == '\0');
}

bool OpenInside(int fd) {
    char link[64];
    char path[4096];
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = readlink(link, path, sizeof path - 1);
    if (n <= 0) return false;
    path[n] = '\0';
    return Inside(path);
}

bool Refused(bool inside) {
    if (!inside || !Full()) return false;
    errno = ENOSPC;
    return true;
}

template <class F>
F Next(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" {

ssize_t write(int fd, const void* data, size_t size) {
    static const auto real = Next<ssize_t (*)(int, const void*, size_t)>("write");
    if (size > 0 && Refused(OpenInside(fd))) return -1;
    return real(fd, data, size);
}

int fsync(int fd) {
    static const auto real = Next<int (*)(int)>("fsync");
    return Refused(OpenInside(fd)) ? -1 : real(fd);
}

int fdatasync(int fd) {
    static const auto real = Next<int (*)(int)>("fdatasync");
    return Refused(OpenInside(fd)) ? -1 : real(fd);
}

int rename(const char* from, const char* to) {
    static const auto real = Next<int (*)(const char*, const char*)>("rename");
    return Refused(Inside(to)) ? -1 : real(from, to);
}

}  // extern "C"
