// The settings store as a real INI file under XDG_CONFIG_HOME.
#include <gtest/gtest.h>

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>

#include "fakes.h"
#include "frontend/qt/qt_settings_store.h"

namespace fw::test {
namespace {

QString ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : "<unreadable>";
}

TEST(IniStore, AFileInPlaceOfTheFolderFailsTheSaveButTheProgramEnds) {
    QTemporaryDir dir;
    std::ofstream((dir.path() + "/Fruitwhirl").toStdString()) << "not a folder\n";
    QtSettingsStore store(dir.path() + "/Fruitwhirl/Fruitwhirl.ini");
    Rig rig({"Fruit.Thm"}, &store);
    rig.Start();
    rig.Send(ev::MenuQuit{});
    EXPECT_EQ(rig.host.endStatus, 1);
    ASSERT_EQ(rig.host.errors.size(), 1u);
    EXPECT_NE(rig.host.errors[0].find("is a file, not a folder. Nothing was written."), std::string::npos);
    EXPECT_EQ(ReadAll(dir.path() + "/Fruitwhirl"), "not a folder\n");
}

// Runs in a child process as an unprivileged user (root writes anywhere): a
// run quits into a read-only settings folder.
TEST(StoreChild, QuitIntoReadOnlyFolder) {
    const char* folder = std::getenv("FW_STORE_CHILD_DIR");
    if (!folder) GTEST_SKIP() << "runs only as the child of OldContentSurvivesAFolderThatCannotBeWritten";
    QtSettingsStore store(QString::fromLocal8Bit(folder) + "/Fruitwhirl/Fruitwhirl.ini");
    Rig rig({"Fruit.Thm"}, &store);
    rig.Start();
    // Said at start-up, before a run is played for nothing.
    EXPECT_NE(rig.host.messages.at(0).find("cannot be written"), std::string::npos);
    EXPECT_EQ(rig.m.ScoreTable[0].Name, "Kept");
    rig.m.ScoreTable[0].Score = 999;
    rig.Send(ev::MenuQuit{});
    EXPECT_EQ(rig.host.endStatus, 1);
}

TEST(IniStore, OldContentSurvivesAFolderThatCannotBeWritten) {
    QTemporaryDir root;
    const QString folder = root.path() + "/Fruitwhirl", ini = folder + "/Fruitwhirl.ini";
    QDir().mkpath(folder);
    const QString old = "[GameCfg]\nName=Kept\n\n[High-01]\nName=Old\nScore=5\n";
    std::ofstream(ini.toStdString()) << old.toStdString();
    const auto readable = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    const auto enterable = readable | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    QFile::setPermissions(root.path(), enterable | QFile::WriteOwner);
    QFile::setPermissions(folder, enterable);
    QFile::setPermissions(ini, readable);
    QString program = QCoreApplication::applicationFilePath();
    QStringList args{"--gtest_filter=StoreChild.QuitIntoReadOnlyFolder"};
    if (::geteuid() == 0) {  // root ignores folder permissions: the child runs as nobody
        if (QStandardPaths::findExecutable("setpriv").isEmpty()) GTEST_SKIP() << "setpriv is missing";
        args = QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", program} + args;
        program = "setpriv";
    }
    QProcess child;
    qputenv("FW_STORE_CHILD_DIR", root.path().toLocal8Bit());
    child.start(program, args);
    ASSERT_TRUE(child.waitForFinished(60000));
    qunsetenv("FW_STORE_CHILD_DIR");
    const QString output = child.readAllStandardOutput() + child.readAllStandardError();
    EXPECT_TRUE(output.contains("[       OK ] StoreChild.QuitIntoReadOnlyFolder")) << output.toStdString();
    EXPECT_EQ(ReadAll(ini), old);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"Fruitwhirl.ini"});
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

}  // namespace
}  // namespace fw::test
