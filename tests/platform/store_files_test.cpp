// The store on real files that are not what they should be: each is read as
// far as it can be, the player is told once what was kept where, nothing hangs,
// and no record is lost. And the run record beside the settings on disk.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <functional>
#include <random>

#include "fakes.h"
#include "frontend/qt/qt_settings_store.h"
#include "records/recovery.h"

namespace fw::test {
namespace {

const QByteArray kGood = "[GameCfg]\nName=Ann\n\n[High-01]\nName=Zed\nScore=500\n";

// Writes a file; false when it cannot be made.
bool Write(const QString& path, const QByteArray& bytes,
           const QDateTime& time = QDateTime::currentDateTime()) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() &&
           file.setFileTime(time, QFile::FileModificationTime);
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "<unreadable>";
}

// What kind of thing is at path: the link itself and what it leads to.
std::pair<mode_t, mode_t> TypeOf(const QString& path) {
    struct stat link = {}, target = {};
    const QByteArray name = path.toLocal8Bit();
    return {::lstat(name, &link) == 0 ? link.st_mode & S_IFMT : 0,
            ::stat(name, &target) == 0 ? target.st_mode & S_IFMT : 0};
}

TEST(DamagedSettings, ReadAsFarAsTheyCanBeToldOnceNothingHangsNothingIsLost) {
    QByteArray junk(512, 0);
    std::mt19937 random(512);
    for (char& c : junk) c = static_cast<char>(random());
    using Make = std::function<bool(const QString& ini, const QString& folder)>;
    auto file = [](QByteArray bytes) -> Make {
        return [=](const QString& ini, const QString&) { return Write(ini, bytes); };
    };
    const struct {
        Make make;         // false: cannot be made here
        const char* told;  // part of what the player is told at start-up; "" for nothing
        bool kept;         // the game reads the good content and saves at quit
    } cases[] = {
        {file("\xEF\xBB\xBF" + kGood), "", true},
        {file("# my scores\n" + kGood), "line 1 is a comment", true},
        {file("[High-03\nName=Q\n" + kGood), "line 1 is a section name without", true},
        {file("\xFF\xFE" + QByteArray(QStringEncoder(QStringEncoder::Utf16LE)(QString(kGood)))), "in UTF-16",
         true},
        {file(junk + "\n" + kGood), "could not be read cleanly", true},
        {file(kGood + QByteArray(50 << 20, 'x')), "it is larger than 1 MiB", true},
        {file(kGood + QByteArray("Wun=1\0"
                                 "2\n",
                                 8)),
         "line 7 holds bytes that are not text", true},
        {[](const QString& ini, const QString&) { return QDir().mkpath(ini); }, "is a folder, not a file",
         false},
        {[](const QString&, const QString& folder) { return QDir().rmdir(folder) && Write(folder, "mine"); },
         "is a file, not a folder", false},
        {[](const QString& ini, const QString&) { return ::mkfifo(ini.toLocal8Bit(), 0600) == 0; },
         "is a FIFO", false},
        {[](const QString& ini, const QString& folder) {
             return ::mknod((folder + "/../null").toLocal8Bit(), S_IFCHR | 0666, makedev(1, 3)) == 0 &&
                    QFile::link(folder + "/../null", ini);
         },
         "is a device, not a file", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.told);
        QTemporaryDir root;
        const QString folder = root.path() + "/Fruitwhirl", ini = folder + "/Fruitwhirl.ini";
        QDir().mkpath(folder);
        if (!c.make(ini, folder)) {
            std::printf("skipped: cannot make the file that \"%s\"\n", c.told);  // a device needs root
            continue;
        }
        const auto types = std::pair(TypeOf(folder), TypeOf(ini));
        const QByteArray original = types.second.first == S_IFREG ? Bytes(ini) : QByteArray();

        ::alarm(60);  // a start-up that waits for ever ends the test here
        QtSettingsStore store(ini);
        Rig rig({"Fruit.Thm"}, &store);
        rig.Start();
        EXPECT_EQ(rig.m.ScoreTable[0].Name == "Ann" && rig.m.ScoreTable[1].Score == 500, c.kept);
        rig.Send(ev::MenuQuit{});
        ::alarm(0);

        EXPECT_EQ(rig.host.endStatus, c.kept ? 0 : 1);
        ASSERT_EQ(rig.host.messages.size(), *c.told ? 1u : 0u);
        const std::string told = rig.host.messages.empty() ? "" : rig.host.messages[0];
        EXPECT_NE(told.find(c.told), std::string::npos) << told;
        const QStringList aside = QDir(folder).entryList({"Fruitwhirl-damaged-*.ini"}, QDir::Files);
        ASSERT_EQ(aside.size(), c.kept && *c.told ? 1 : 0);
        if (!aside.isEmpty()) {
            // The file as it was is kept aside, and the player is told where.
            EXPECT_NE(told.find(aside[0].toStdString()), std::string::npos);
            EXPECT_TRUE(Bytes(folder + "/" + aside[0]) == original);
            EXPECT_EQ(QSettings(ini, QSettings::IniFormat).value("High-01/Score").toString(), "500");
        }
        // Nothing was replaced by a thing of another kind, a device by a file least of all.
        EXPECT_EQ(std::pair(TypeOf(folder), TypeOf(ini)), types);
    }
}

TEST(RunRecordOnDisk, FollowsTheRunIsGoneAfterTheQuitAndLeftoversOfKilledWritesGo) {
    QTemporaryDir root;
    const QString folder = root.path() + "/Fruitwhirl";
    QDir().mkpath(folder);
    const QDateTime past(QDate(2020, 1, 1), {});
    ASSERT_TRUE(Write(folder + "/Fruitwhirl.ini.Ab12Cd", "left by a killed write", past));
    ASSERT_TRUE(Write(folder + "/Fruitwhirl.recovery.Zy98Xw", "left by a killed write", past));
    ASSERT_EQ(::mkfifo((folder + "/Fruitwhirl.recovery").toLocal8Bit(), 0600), 0);
    QtSettingsStore store(folder + "/Fruitwhirl.ini");
    ASSERT_TRUE(
        Write(folder + "/Fruitwhirl.ini.Qr34St", "under way", QDateTime::currentDateTime().addSecs(60)));

    ::alarm(60);
    Rig rig({"Fruit.Thm"}, &store);
    rig.Start();
    ::alarm(0);
    const QStringList aside = QDir(folder).entryList({"Fruitwhirl-damaged-*.recovery"}, QDir::System);
    ASSERT_EQ(aside.size(), 1);
    EXPECT_EQ(TypeOf(folder + "/" + aside[0]).first, S_IFIFO);
    EXPECT_NE(rig.host.messages.at(0).find(aside[0].toStdString() + "\"."), std::string::npos);

    rig.InsertCoins(3);
    EXPECT_EQ(ParseRunRecord(Bytes(folder + "/Fruitwhirl.recovery").toStdString())->Score, 15);
    rig.Send(ev::MenuQuit{});
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"Fruitwhirl.ini", "Fruitwhirl.ini.Qr34St"}));
}

}  // namespace
}  // namespace fw::test
