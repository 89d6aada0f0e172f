// The store on a disk that fails while the game runs: a write that stops at a
// chosen byte, a sync and a rename that fail. The old files stay as they were,
// the player is told once, the game tries again, and a later save that works
// stores everything.
#include <gtest/gtest.h>

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <cerrno>
#include <string>

#include "fakes.h"
#include "frontend/qt/qt_settings_store.h"

namespace fw::test {
namespace {

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "<missing>";
}

enum class Point { Write, Garbled, Sync, Rename };

struct Disk {
    bool failing = false;
    Point point = Point::Write;
    off_t byte = 0;  // a write stops here
    int code = ENOSPC;
};

FileCalls FailingCalls(Disk& disk) {
    FileCalls calls;
    calls.write = [&disk](int fd, const void* data, size_t size) -> ssize_t {
        if (disk.failing && disk.point == Point::Garbled && size > 0) {
            // Says it wrote it all, but one bit of the first byte is wrong.
            std::string bytes(static_cast<const char*>(data), size);
            bytes[0] = static_cast<char>(bytes[0] ^ 1);
            return ::write(fd, bytes.data(), size);
        }
        if (!disk.failing || disk.point != Point::Write) return ::write(fd, data, size);
        const off_t at = ::lseek(fd, 0, SEEK_CUR);
        if (at >= disk.byte) {
            errno = disk.code;
            return -1;
        }
        return ::write(fd, data, std::min<size_t>(size, static_cast<size_t>(disk.byte - at)));
    };
    calls.sync = [&disk](int fd) {
        if (!disk.failing || disk.point != Point::Sync) return ::fdatasync(fd);
        errno = disk.code;
        return -1;
    };
    calls.rename = [&disk](const char* from, const char* to) {
        if (!disk.failing || disk.point != Point::Rename) return ::rename(from, to);
        errno = disk.code;
        return -1;
    };
    return calls;
}

TEST(FullDisk, TheOldFilesStayThePlayerIsToldOnceAndALaterSaveStoresTheRun) {
    const QString full =
        "Fruitwhirl could not save your high scores: the disk is full. Your previous records are unchanged. "
        "Free some space; the game will try again after the next game and when you quit.";
    const QString broken =
        "Fruitwhirl could not save your high scores: the disk reported an error. Your previous records are "
        "unchanged. Check the disk; the game will try again after the next game and when you quit.";
    const struct {
        const char* name;
        Point point;
        off_t byte;
        int code;
        QString told;
        const char* system;  // the system's words, in the message too
    } cases[] = {
        {"the first byte, disk full", Point::Write, 0, ENOSPC, full, "No space left on device"},
        {"byte 40, disk full", Point::Write, 40, ENOSPC, full, "No space left on device"},
        {"byte 40, an I/O error", Point::Write, 40, EIO, broken, "Input/output error"},
        {"a write that says it worked but did not", Point::Garbled, 0, EIO, broken, "Input/output error"},
        {"the sync", Point::Sync, 0, EIO, broken, "Input/output error"},
        {"the rename", Point::Rename, 0, ENOSPC, full, "No space left on device"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir root;
        const QString folder = root.path() + "/Fruitwhirl", ini = folder + "/Fruitwhirl.ini",
                      record = folder + "/Fruitwhirl.recovery";
        QDir().mkpath(folder);
        {
            QFile file(ini);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            // Every run enters the list at the top.
            file.write("[GameCfg]\nName=Ann\n");
            for (int n = 1; n <= 10; ++n)
                file.write(QString("[High-%1]\nName=Zed\nScore=0\n").arg(n, 2, 10, QChar('0')).toUtf8());
        }
        Disk disk;
        QtSettingsStore store(ini, FailingCalls(disk));
        Rig rig({"Fruit.Thm"}, &store);
        rig.Start();
        rig.InsertCoins(3);
        rig.PullLever();
        const QByteArray oldIni = Bytes(ini), oldRecord = Bytes(record);
        ASSERT_NE(oldRecord.indexOf("Played=1\n"), -1);

        disk = {true, c.point, c.byte, c.code};
        rig.PullLever();
        rig.PullLever();
        ASSERT_EQ(rig.host.messages.size(), 1u) << "once, not after every game";
        EXPECT_NE(rig.host.messages[0].find(c.told.toStdString()), std::string::npos) << rig.host.messages[0];
        EXPECT_NE(rig.host.messages[0].find(c.system), std::string::npos) << rig.host.messages[0];

        // At the quit: the player frees space and tries again.
        bool unchanged = false;
        rig.host.answer = [&] {
            unchanged = Bytes(ini) == oldIni && Bytes(record) == oldRecord &&
                        QDir(folder).entryList(QDir::Files | QDir::Hidden).size() == 2;
            disk.failing = false;
            return true;
        };
        rig.Send(ev::MenuQuit{});
        EXPECT_TRUE(unchanged) << "the old files changed, or a temporary file stayed";
        ASSERT_EQ(rig.host.asked.size(), 1u);
        EXPECT_NE(rig.host.asked[0].find("[Try Again/Quit Without Saving]"), std::string::npos);
        EXPECT_EQ(rig.host.messages.size(), 1u);
        EXPECT_EQ(rig.host.endStatus, 0);
        const QSettings saved(ini, QSettings::IniFormat);
        EXPECT_EQ(saved.value("High-01/Name").toString(), "Ann");
        EXPECT_EQ(saved.value("High-01/Played").toString(), "3");
        EXPECT_EQ(saved.value("High-02/Name").toString(), "Zed");
        EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"Fruitwhirl.ini"});
    }
}

TEST(FullDisk, AQuitWithoutSavingKeepsTheRunRecordAndEndsWithStatus1) {
    QTemporaryDir root;
    const QString folder = root.path() + "/Fruitwhirl", ini = folder + "/Fruitwhirl.ini";
    Disk disk;
    QtSettingsStore store(ini, FailingCalls(disk));
    Rig rig({"Fruit.Thm"}, &store);
    rig.Start();
    rig.InsertCoins(3);
    rig.PullLever();
    disk = {true, Point::Write, 10, ENOSPC};
    rig.Send(ev::MenuQuit{});
    EXPECT_EQ(rig.host.asked.size(), 1u);
    EXPECT_EQ(rig.host.endStatus, 1);
    EXPECT_FALSE(QFile::exists(ini));
    EXPECT_NE(Bytes(folder + "/Fruitwhirl.recovery").indexOf("Played=1\n"), -1);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(FullDisk, NamesWithTheCharactersOfTheFileFormatComeBackAsTheyWere) {
    QTemporaryDir root;
    const QString ini = root.path() + "/Fruitwhirl/Fruitwhirl.ini";
    for (const std::string name : {"a;b,c=d", "\"q\" \\x", " @lead", "Zoë 名前"}) {
        SCOPED_TRACE(name);
        {
            QtSettingsStore store(ini);
            Rig rig({"Fruit.Thm"}, &store);
            rig.Start();
            rig.m.ScoreTable[0].Name = name;
            rig.Send(ev::MenuQuit{});
            EXPECT_EQ(rig.host.endStatus, 0);
        }
        QtSettingsStore store(ini);
        Rig rig({"Fruit.Thm"}, &store);
        rig.Start();
        EXPECT_TRUE(rig.host.messages.empty()) << rig.host.messages[0];
        EXPECT_EQ(rig.m.ScoreTable[0].Name, name);
    }
}

}  // namespace
}  // namespace fw::test
