// Files as the desktop's tests make and read them, and a settings folder of a test's own.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace fw::test {

// Writes a file, dated time; false when it cannot be made.
inline bool Write(const QString& path, const QByteArray& bytes,
                  const QDateTime& time = QDateTime::currentDateTime()) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() &&
           file.setFileTime(time, QFile::FileModificationTime);
}

// What a file holds; "<unreadable>" when it cannot be read.
inline QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "<unreadable>";
}

// A settings folder of its own, made.
struct Folder {
    Folder() { QDir().mkpath(path); }
    QStringList Files() const { return QDir(path).entryList(QDir::Files | QDir::Hidden, QDir::Name); }
    QTemporaryDir root;
    const QString path = root.path() + "/Fruitwhirl", ini = path + "/Fruitwhirl.ini",
                  record = path + "/Fruitwhirl.recovery";
};

}  // namespace fw::test
