// The desktop's records on real files (the policy over them is the core's store_test): whatever is
// where the settings file should be, or a disk that fails, nothing hangs and no record is lost.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

#include "edition/view_settings.h"
#include "fakes.h"
#include "files.h"
#include "frontend/qt/qt_settings_store.h"
#include "frontend/qt/settings_files.h"
#include "records/recovery.h"

namespace fw::test {
namespace {

const QByteArray kFile = "[GameCfg]\nName=Ann\nSpeed=40\n\n[High-01]\nName=Zed\nScore=500\n";

// What kind of thing is at path: the link itself and what it leads to.
std::pair<mode_t, mode_t> TypeOf(const QString& path) {
    struct stat link = {}, target = {};
    const QByteArray name = path.toLocal8Bit();
    return {::lstat(name, &link) == 0 ? link.st_mode & S_IFMT : 0,
            ::stat(name, &target) == 0 ? target.st_mode & S_IFMT : 0};
}

// What a regular file holds; nothing for any other thing (reading a FIFO would wait for ever).
QByteArray Content(const QString& path) {
    return TypeOf(path).second == S_IFREG ? Bytes(path) : QByteArray();
}

// A settings file as an editor saved it, or as it must not be, or a thing of another kind in its place.
struct Case {
    const char* name;
    std::function<bool(const Folder&)> make;  // false: cannot be made here
    const char* told;                         // part of what the player is told at start-up; "" for nothing
    bool kept;                                // the game reads the values and saves at quit
};

class SettingsFiles : public ::testing::TestWithParam<Case> {};

TEST_P(SettingsFiles, AreReadAsFarAsTheyCanBeToldOnceNothingHangsNothingIsLost) {
    const Case& c = GetParam();
    const Folder f;
    const QString& folder = f.path;
    if (!c.make(f)) GTEST_SKIP() << "cannot make it here";  // a device needs root
    const auto types = std::pair(TypeOf(folder), TypeOf(f.ini));
    const QByteArray original = Content(f.ini), inPlaceOfTheFolder = Content(folder);

    ::alarm(60);  // a start-up that waits for ever ends the test here
    QtSettingsStore store(f.ini);
    Rig rig({"Fruit.Thm"}, &store);
    rig.Start();
    EXPECT_EQ(rig.m.records.ScoreTable[0].Name == "Ann" && rig.m.records.ScoreTable[1].Score == 500, c.kept);
    EXPECT_EQ(KeepViewSettings(store, {3, false}), c.kept) << "a zoom writes through the same guard";
    rig.Send(ev::MenuQuit{});
    ::alarm(0);

    EXPECT_EQ(rig.host.endStatus, c.kept ? 0 : 1);
    ASSERT_EQ(rig.host.messages.size(), *c.told ? 1u : 0u);
    const std::string told = rig.host.messages.empty() ? "" : rig.host.messages[0];
    EXPECT_NE(told.find(c.told), std::string::npos) << told;
    const QStringList aside = QDir(folder).entryList({"Fruitwhirl-damaged-*.ini"}, QDir::Files);
    ASSERT_EQ(aside.size(), c.kept && *c.told ? 1 : 0);
    EXPECT_TRUE(aside.isEmpty() || Bytes(folder + "/" + aside[0]) == original)
        << "the copy aside is not whole";
    if (c.kept) {  // saved again with the same values
        EXPECT_EQ(QSettings(f.ini, QSettings::IniFormat).value("High-01/Score").toString(), "500");
    }
    // Nothing was replaced by a thing of another kind, a device by a file least of all.
    EXPECT_EQ(std::pair(TypeOf(folder), TypeOf(f.ini)), types);
    EXPECT_EQ(Content(folder), inPlaceOfTheFolder);
}

INSTANTIATE_TEST_SUITE_P(
    EditorsAndDamage, SettingsFiles,
    ::testing::Values(
        // The desktop reads the first MiB and a byte of a large file, and copies it aside whole.
        Case{"FiftyMebibytes",
             [](const Folder& f) { return Write(f.ini, kFile + QByteArray(50 << 20, 'x')); },
             "it is larger than 1 MiB", true},
        Case{"AFolder", [](const Folder& f) { return QDir().mkpath(f.ini); }, "is a folder, not a file",
             false},
        Case{"AFileInPlaceOfTheFolder",
             [](const Folder& f) { return QDir().rmdir(f.path) && Write(f.path, "mine"); },
             "is a file, not a folder", false},
        Case{"AFifo", [](const Folder& f) { return ::mkfifo(f.ini.toLocal8Bit(), 0600) == 0; },
             "is a FIFO (a named pipe), not a file", false},
        Case{"ADevice",
             [](const Folder& f) {
                 const QString null = f.root.path() + "/null";
                 return ::mknod(null.toLocal8Bit(), S_IFCHR | 0666, makedev(1, 3)) == 0 &&
                        QFile::link(null, f.ini);
             },
             "is a device, not a file", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RunRecordOnDisk, FollowsTheRunIsGoneAfterTheQuitAndOnlyTheGamesOwnLeftoversGo) {
    const Folder f;
    const QString& folder = f.path;
    const QDateTime past(QDate(2020, 1, 1), {});
    ASSERT_TRUE(Write(folder + "/.Fruitwhirl.ini.tmp-Ab12Cd", "left by a killed write", past));
    ASSERT_TRUE(Write(folder + "/.Fruitwhirl.recovery.tmp-Zy98Xw", "left by a killed write", past));
    // The player's own copies, however much their names look like a temporary file's.
    const QStringList own{"Fruitwhirl.ini.backup", "Fruitwhirl.ini.before", "Fruitwhirl.ini.123456",
                          "Fruitwhirl.recovery.backup", "Fruitwhirl.ini.tmp-Ab12Cd"};
    for (const QString& name : own) ASSERT_TRUE(Write(folder + "/" + name, kFile, past));
    ASSERT_EQ(::mkfifo(f.record.toLocal8Bit(), 0600), 0);
    QtSettingsStore store(f.ini);
    ASSERT_TRUE(
        Write(folder + "/.Fruitwhirl.ini.tmp-Qr34St", "under way", QDateTime::currentDateTime().addSecs(60)));

    ::alarm(60);
    Rig rig({"Fruit.Thm"}, &store);
    rig.Start();
    ::alarm(0);
    const QStringList aside = QDir(folder).entryList({"Fruitwhirl-damaged-*.recovery"}, QDir::System);
    ASSERT_EQ(aside.size(), 1);
    EXPECT_EQ(TypeOf(folder + "/" + aside[0]).first, S_IFIFO);
    EXPECT_NE(rig.host.messages.at(0).find(aside[0].toStdString() + "\"."), std::string::npos);

    rig.InsertCoins(3);
    EXPECT_EQ(ParseRunRecord(Bytes(f.record).toStdString())->Score, 15);
    rig.Send(ev::MenuQuit{});
    QStringList left = own + QStringList{"Fruitwhirl.ini", ".Fruitwhirl.ini.tmp-Qr34St"};
    left.sort();
    EXPECT_EQ(f.Files(), left);
    for (const QString& name : own) EXPECT_EQ(Bytes(folder + "/" + name), kFile) << name.toStdString();
}

// A file made read-only to keep the list as it is: said at the start, never replaced, root's game included.
TEST(SettingsFileAsThePlayerMadeIt, StaysSo) {
    const mode_t mask = ::umask(022);
    const struct {
        const char* name;
        bool made, linked;  // made: the player's file, of the mode given; else the game makes it
        mode_t mode;        // the file's mode after the run
    } cases[] = {
        {"a link into a dotfiles folder", true, true, 0644},
        {"a private file", true, false, 0600},
        {"a new file", false, false, 0644},
        {"a read-only file", true, false, 0444},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Folder f;
        const QString file = c.linked ? f.root.path() + "/dotfiles-fruitwhirl.ini" : f.ini;
        ASSERT_TRUE(!c.made || (Write(file, kFile) && ::chmod(file.toLocal8Bit(), c.mode) == 0));
        ASSERT_TRUE(!c.linked || QFile::link(file, f.ini));
        const bool frozen = c.mode == 0444;  // the file is read-only: the start says so and the save fails
        const QByteArray before = Bytes(file);
        QtSettingsStore store(f.ini);
        Rig rig({"Fruit.Thm"}, &store);
        rig.Start();
        rig.InsertCoins(2);
        rig.Send(ev::MenuQuit{});

        ASSERT_EQ(rig.host.messages.size(), frozen ? 1u : 0u);
        EXPECT_EQ(rig.host.endStatus, frozen ? 1 : 0);
        if (frozen) {
            EXPECT_NE(rig.host.messages[0].find("is read-only"), std::string::npos) << rig.host.messages[0];
            ASSERT_EQ(rig.host.asked.size(), 1u);
            EXPECT_NE(rig.host.asked[0].find("may not be written"), std::string::npos) << rig.host.asked[0];
            EXPECT_EQ(Bytes(file), before);
        } else {
            EXPECT_EQ(QSettings(file, QSettings::IniFormat).value("High-01/Played").toString(), "0");
        }
        EXPECT_EQ(TypeOf(f.ini).first, c.linked ? S_IFLNK : S_IFREG);
        struct stat saved = {};
        ASSERT_EQ(::stat(file.toLocal8Bit(), &saved), 0);
        EXPECT_EQ(saved.st_mode & 07777, c.mode);
        // Quit Without Saving keeps the run in its record; no temporary file or copy stays.
        EXPECT_EQ(f.Files().join(" "), frozen ? "Fruitwhirl.ini Fruitwhirl.recovery" : "Fruitwhirl.ini");
    }
    ::umask(mask);
}

// A run quits into a read-only settings folder, in a child process of this
// test as an unprivileged user (root writes anywhere).
TEST(IniStore, OldContentSurvivesAFolderThatCannotBeWritten) {
    if (const char* folder = std::getenv("FW_STORE_CHILD_DIR")) {
        QtSettingsStore store(QString::fromLocal8Bit(folder) + "/Fruitwhirl/Fruitwhirl.ini");
        Rig rig({"Fruit.Thm"}, &store);
        rig.Start();
        // Said at start-up, before a run is played for nothing.
        EXPECT_NE(rig.host.messages.at(0).find("cannot be written"), std::string::npos);
        EXPECT_EQ(rig.m.records.ScoreTable[0].Name, "Kept");
        rig.SetPurse(999);
        rig.Send(ev::MenuQuit{});
        EXPECT_EQ(rig.host.endStatus, 1);
        return;
    }
    const Folder f;
    const QString &root = f.root.path(), &folder = f.path, &ini = f.ini;
    const QByteArray old = "[GameCfg]\nName=Kept\n\n[High-01]\nName=Old\nScore=5\n";
    ASSERT_TRUE(Write(ini, old));
    ASSERT_TRUE(::chmod(root.toLocal8Bit(), 0755) == 0 && ::chmod(folder.toLocal8Bit(), 0555) == 0 &&
                ::chmod(ini.toLocal8Bit(), 0444) == 0);
    QString program = QCoreApplication::applicationFilePath();
    QStringList args{"--gtest_filter=IniStore.OldContentSurvivesAFolderThatCannotBeWritten"};
    if (::geteuid() == 0) {  // root ignores folder permissions: the child runs as nobody
        if (QStandardPaths::findExecutable("setpriv").isEmpty()) GTEST_SKIP() << "setpriv is missing";
        args = QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", program} + args;
        program = "setpriv";
    }
    QProcess child;
    qputenv("FW_STORE_CHILD_DIR", root.toLocal8Bit());
    child.start(program, args);
    ASSERT_TRUE(child.waitForFinished(60000));
    qunsetenv("FW_STORE_CHILD_DIR");
    const QString output = child.readAllStandardOutput() + child.readAllStandardError();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test.")) << output.toStdString();
    EXPECT_EQ(Bytes(ini), old);
    EXPECT_EQ(f.Files(), QStringList{"Fruitwhirl.ini"});
    ::chmod(folder.toLocal8Bit(), 0700);
}

// A disk that fails, once failing is set, at one point of a save: every write from a byte on, a write
// that says it wrote it all with one bit wrong, the sync or the rename.
enum class Point { Write, Garbled, Sync, Rename };
struct Disk {
    bool failing = false;
    Point point = Point::Write;
    off_t byte = 0;
    int code = ENOSPC;
    bool FailsAt(Point p) const { return failing && point == p && (errno = code); }
};

FileCalls FailingCalls(Disk& disk) {
    FileCalls calls;
    calls.write = [&disk](int fd, const void* data, size_t size) -> ssize_t {
        std::string bytes(static_cast<const char*>(data), size);
        if (disk.FailsAt(Point::Garbled) && size > 0) bytes[0] ^= 1;
        const off_t at = ::lseek(fd, 0, SEEK_CUR);
        if (!disk.FailsAt(Point::Write)) return ::write(fd, bytes.data(), size);
        return at >= disk.byte ? -1 : ::write(fd, bytes.data(), std::min<size_t>(size, disk.byte - at));
    };
    calls.sync = [&disk](int fd) { return disk.FailsAt(Point::Sync) ? -1 : ::fdatasync(fd); };
    calls.rename = [&disk](const char* from, const char* to) {
        return disk.FailsAt(Point::Rename) ? -1 : ::rename(from, to);
    };
    return calls;
}

TEST(FullDisk, TheOldFilesStayThePlayerIsToldOnceAndALaterSaveStoresTheRun) {
    const struct {
        const char* name;
        Disk disk;
        bool tryAgain = true;  // the player's answer at the quit; else Quit Without Saving
    } cases[] = {
        {"the first byte, disk full", {true, Point::Write, 0, ENOSPC}},
        {"byte 40, an I/O error", {true, Point::Write, 40, EIO}},
        {"a write that says it worked but did not", {true, Point::Garbled, 0, EIO}},
        {"the sync", {true, Point::Sync, 0, EIO}},
        {"the rename", {true, Point::Rename, 0, ENOSPC}},
        {"quit without saving", {true, Point::Write, 10, ENOSPC}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Folder f;
        const QString &ini = f.ini, &record = f.record;
        QByteArray scores = "[GameCfg]\nName=Ann\n";  // every run enters the list at the top
        for (int n = 1; n <= 10; ++n)
            scores += QString("[High-%1]\nName=Zed\nScore=0\n").arg(n, 2, 10, QChar('0')).toUtf8();
        ASSERT_TRUE(Write(ini, scores));
        Disk disk;
        QtSettingsStore store(ini, FailingCalls(disk));
        Rig rig({"Fruit.Thm"}, &store);
        rig.Start();
        rig.InsertCoins(3);
        rig.PullLever();
        const QByteArray oldIni = Bytes(ini), oldRecord = Bytes(record);
        ASSERT_NE(oldRecord.indexOf("Played=1\n"), -1);

        disk = c.disk;
        rig.PullLever();
        rig.PullLever();
        ASSERT_EQ(rig.host.messages.size(), 1u) << "once, not after every game";
        // Why, in the game's words and the system's, and that nothing stored was lost.
        const std::string why = disk.code == ENOSPC ? "the disk is full" : "the disk reported an error";
        for (const std::string& words :
             {why + ". Your previous records are unchanged.", std::string(std::strerror(disk.code))})
            EXPECT_NE(rig.host.messages[0].find(words), std::string::npos) << rig.host.messages[0];

        // At the quit: the player frees space and tries again, or gives up and keeps the run record.
        bool unchanged = false;
        rig.host.answer = [&] {
            unchanged = Bytes(ini) == oldIni && Bytes(record) == oldRecord && f.Files().size() == 2;
            disk.failing = !c.tryAgain;
            return c.tryAgain;
        };
        rig.Send(ev::MenuQuit{});
        EXPECT_TRUE(unchanged) << "not asked, the old files changed, or a temporary file stayed";
        EXPECT_NE(rig.host.asked.at(0).find("[Try Again/Quit Without Saving]"), std::string::npos);
        EXPECT_EQ(rig.host.endStatus, c.tryAgain ? 0 : 1);
        if (c.tryAgain) {  // the run, in the list's place the core's store_test checks, stored in the file
            EXPECT_EQ(QSettings(ini, QSettings::IniFormat).value("High-01/Played").toString(), "3");
            EXPECT_EQ(f.Files(), QStringList{"Fruitwhirl.ini"});
        } else {
            EXPECT_TRUE(Bytes(ini) == oldIni && Bytes(record) == oldRecord && f.Files().size() == 2);
        }
    }
}

}  // namespace
}  // namespace fw::test
