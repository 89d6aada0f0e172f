#include "frontend/qt/settings_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QRegularExpression>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace fw {

namespace fs = std::filesystem;

QString NotAFile(const QString& path) {
    std::error_code ec;
    const fs::path p = path.toStdString();
    const fs::file_status link = fs::symlink_status(p, ec);
    if (link.type() == fs::file_type::not_found) return {};
    switch (fs::status(p, ec).type()) {
        case fs::file_type::regular:
            return {};
        case fs::file_type::directory:
            return QCoreApplication::translate("records", "a folder");
        case fs::file_type::fifo:
            return QCoreApplication::translate("records", "a FIFO (a named pipe)");
        case fs::file_type::character:
        case fs::file_type::block:
            return QCoreApplication::translate("records", "a device");
        case fs::file_type::socket:
            return QCoreApplication::translate("records", "a socket");
        case fs::file_type::not_found:
            return QCoreApplication::translate("records", "a link to nothing");
        default:
            return QCoreApplication::translate("records", "something that cannot be read");
    }
}

bool ReadOnlyFile(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat file = {};
    if (::stat(name.constData(), &file) != 0 || !S_ISREG(file.st_mode)) return false;
    return (file.st_mode & 0222) == 0 || ::access(name.constData(), W_OK) != 0;
}

QByteArray TemporaryPattern(const QString& path) {
    const QFileInfo file(path);
    return QFile::encodeName(file.absolutePath() + "/." + file.fileName() + ".tmp-XXXXXX");
}

void RemoveLeftovers(const QString& folder, const QString& name, const QDateTime& since) {
    // Only the game's own pattern: "NAME.backup" or "NAME.before" is the player's.
    const QRegularExpression leftover("^\\." + QRegularExpression::escape(name) + "\\.tmp-[A-Za-z0-9]{6}$");
    const QDir dir(folder);
    for (const QFileInfo& entry : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (entry.isSymLink() || !entry.isFile() || !leftover.match(entry.fileName()).hasMatch()) continue;
        if (entry.lastModified() < since) QFile::remove(entry.filePath());
    }
}

}  // namespace fw

namespace fw {

FileCalls::FileCalls()
    : write([](int fd, const void* data, size_t size) { return ::write(fd, data, size); }),
      sync([](int fd) { return ::fdatasync(fd); }),
      rename([](const char* from, const char* to) { return ::rename(from, to); }) {}

namespace {

bool Failed(FileError& error, int code, const QByteArray& path) {
    error.code = code;
    const QString words = code == kNotAFile ? QCoreApplication::translate("records", "not an ordinary file")
                                            : QString(std::strerror(code));
    error.what = QFile::decodeName(path) + ": " + words;
    return false;
}

// Writes all of data; a write that takes fewer bytes is followed by one for
// the rest, and one that takes none is a failure (a full disk when the system
// gives no reason).
bool WriteAll(int fd, const char* data, qint64 size, const FileCalls& calls, int& code) {
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = calls.write(fd, data + done, static_cast<size_t>(size - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            code = n < 0 ? errno : ENOSPC;
            return false;
        }
        done += n;
    }
    return true;
}

// The whole of an ordinary file, or false.
bool ReadBack(const QByteArray& path, QByteArray& bytes) {
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    bytes.clear();
    char block[1 << 16];
    ssize_t n = 0;
    while ((n = ::read(fd, block, sizeof block)) > 0 || (n < 0 && errno == EINTR)) {
        if (n > 0) bytes.append(block, n);
    }
    ::close(fd);
    return n == 0;
}

// Whether two ordinary files hold the same bytes, read a block at a time (a
// copy kept aside may be as large as the disk allows).
bool SameBytes(const QByteArray& one, const QByteArray& other) {
    QFile a(QFile::decodeName(one)), b(QFile::decodeName(other));
    if (!a.open(QIODevice::ReadOnly) || !b.open(QIODevice::ReadOnly) || a.size() != b.size()) return false;
    for (;;) {
        const QByteArray x = a.read(1 << 16), y = b.read(1 << 16);
        if (x != y) return false;
        if (x.isEmpty()) return a.atEnd() && b.atEnd();
    }
}

// Syncs, then closes, fd: both must work.
bool SyncAndClose(int& fd, const FileCalls& calls, int& code) {
    const bool synced = calls.sync(fd) == 0;
    if (!synced) code = errno;
    const bool closed = ::close(fd) == 0;
    if (synced && !closed) code = errno;
    fd = -1;
    return synced && closed;
}

}  // namespace

bool ReplaceFile(const QString& path, const QByteArray& text, const FileCalls& calls, FileError& error) {
    const QByteArray target = QFile::encodeName(path);
    struct stat old = {};
    const bool exists = ::stat(target.constData(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode)) return Failed(error, kNotAFile, target);
    if (exists && ReadOnlyFile(path)) return Failed(error, EACCES, target);

    QByteArray temp = TemporaryPattern(path);
    int fd = ::mkstemp(temp.data());
    if (fd < 0) return Failed(error, errno, target);
    int code = 0;
    auto abandon = [&](int why) {
        if (fd >= 0) ::close(fd);
        ::unlink(temp.constData());
        return Failed(error, why, target);
    };
    mode_t mode = old.st_mode & 07777;
    if (!exists) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (::fchmod(fd, mode) != 0) return abandon(errno);
    if (!WriteAll(fd, text.constData(), text.size(), calls, code)) return abandon(code);
    if (!SyncAndClose(fd, calls, code)) return abandon(code);
    // What the disk holds is read back before it takes the old file's place.
    QByteArray written;
    if (!ReadBack(temp, written) || written != text) return abandon(EIO);
    if (calls.rename(temp.constData(), target.constData()) != 0) return abandon(errno);

    // The new name must outlast a power cut too.
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        const bool synced = calls.sync(dir) == 0 || errno == EINVAL;
        code = errno;
        ::close(dir);
        if (!synced) return Failed(error, code, target);
    }
    if (!ReadBack(target, written) || written != text) return Failed(error, EIO, target);
    return true;
}

bool CopyToNewFile(const QString& from, const QString& to, const FileCalls& calls, FileError& error) {
    const QByteArray source = QFile::encodeName(from), copy = QFile::encodeName(to);
    const int in = ::open(source.constData(), O_RDONLY | O_CLOEXEC);
    if (in < 0) return Failed(error, errno, source);
    struct stat old = {};
    if (::fstat(in, &old) != 0 || !S_ISREG(old.st_mode)) {
        ::close(in);
        return Failed(error, kNotAFile, source);
    }
    int out =
        ::open(copy.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, old.st_mode & 0666);
    if (out < 0) {
        const int code = errno;
        ::close(in);
        return Failed(error, code, copy);
    }
    int code = 0;
    bool copied = true;
    char block[1 << 16];
    for (;;) {
        const ssize_t n = ::read(in, block, sizeof block);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) code = errno, copied = false;
        if (n <= 0) break;
        if (!WriteAll(out, block, n, calls, code)) {
            copied = false;
            break;
        }
    }
    ::close(in);
    if (copied) {
        copied = SyncAndClose(out, calls, code);
    } else {
        ::close(out);
    }
    if (copied && !SameBytes(source, copy)) {
        copied = false, code = EIO;
    }
    if (!copied) {
        ::unlink(copy.constData());
        return Failed(error, code, copy);
    }
    return true;
}

}  // namespace fw
