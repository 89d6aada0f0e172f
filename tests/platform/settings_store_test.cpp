// The settings store as a real INI file.
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
    if (!file.open(QIODevice::ReadOnly)) return "<unreadable>";
    return QString::fromUtf8(file.readAll());
}

// Every test keeps its file in a folder of its own.
class IniStore : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString iniPath() const { return dir.path() + "/Fruitwhirl/Fruitwhirl.ini"; }
    QTemporaryDir dir;
};

TEST(IniLocation, FileLivesUnderXdgConfigHome) {
    QtSettingsStore store;
    EXPECT_EQ(store.fileName(),
              QString::fromLocal8Bit(std::getenv("XDG_CONFIG_HOME")) + "/Fruitwhirl/Fruitwhirl.ini");
}

TEST_F(IniStore, QuitWritesTheGamesSectionsAndKeys) {
    QtSettingsStore store(iniPath());
    Rig rig({"Fruit.Thm"}, &store);
    rig.Start();
    rig.Send(ev::MenuQuit{});
    ASSERT_EQ(rig.host.endStatus, 0);

    QSettings written(iniPath(), QSettings::IniFormat);
    QStringList expected{"GameCfg", "PrgInfo"};
    for (int n = 1; n <= 10; ++n) expected << QString("High-%1").arg(n, 2, 10, QChar('0'));
    QStringList groups = written.childGroups();
    groups.sort();
    expected.sort();
    EXPECT_EQ(groups, expected);
    auto keysOf = [&](const QString& group) {
        written.beginGroup(group);
        const auto keys = written.childKeys();
        written.endGroup();
        return keys;
    };
    EXPECT_EQ(keysOf("GameCfg").size(), 5);
    EXPECT_EQ(keysOf("PrgInfo").size(), 2);
    for (int n = 1; n <= 10; ++n) EXPECT_EQ(keysOf(QString("High-%1").arg(n, 2, 10, QChar('0'))).size(), 17);
    const QString text = ReadAll(iniPath());
    EXPECT_TRUE(text.contains("[GameCfg]"));
    EXPECT_TRUE(text.contains("Name=NoName"));
    EXPECT_TRUE(text.contains("[High-01]"));
    EXPECT_TRUE(text.contains("Stat-11=0"));
}

TEST_F(IniStore, ValuesComeBackAsTheyWereWritten) {
    {
        QtSettingsStore store(iniPath());
        store.SaveSetting("Fruitwhirl", "GameCfg", "Name", "Åsa, Ö=1");
        store.SaveSetting("Fruitwhirl", "High-01", "ETime", "-5");
        std::string error;
        ASSERT_TRUE(store.Flush(error)) << error;
    }
    QtSettingsStore again(iniPath());
    EXPECT_EQ(again.GetSetting("Fruitwhirl", "GameCfg", "Name", "x"), "Åsa, Ö=1");
    EXPECT_EQ(again.GetSetting("Fruitwhirl", "High-01", "ETime", "x"), "-5");
    EXPECT_EQ(again.GetSetting("Fruitwhirl", "High-01", "Wun", "fallback"), "fallback");
}

TEST_F(IniStore, AHandEditedFileIsReadWithItsFaults) {
    QDir().mkpath(dir.path() + "/Fruitwhirl");
    std::ofstream(iniPath().toStdString()) << "[GameCfg]\nName=Ann,Bo\nSpeed=fast\nTheme=0\n";
    QtSettingsStore store(iniPath());
    Rig rig({"Fruit.Thm"}, &store);
    rig.Start();
    EXPECT_EQ(rig.m.ScoreTable[0].Name, "Ann,Bo");
    EXPECT_EQ(rig.m.Speed, 50);
    EXPECT_EQ(rig.m.ThemeIndex, 1);
}

TEST_F(IniStore, ARegularFileInPlaceOfTheFolderFailsTheSaveButTheProgramEnds) {
    std::ofstream((dir.path() + "/Fruitwhirl").toStdString()) << "not a folder\n";
    QtSettingsStore store(iniPath());
    Rig rig({"Fruit.Thm"}, &store);
    rig.Start();
    rig.Send(ev::MenuQuit{});
    EXPECT_TRUE(rig.m.ended);
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
    EXPECT_EQ(rig.m.ScoreTable[0].Name, "Kept");
    // Said at start-up, before a run is played for nothing.
    EXPECT_NE(rig.host.messages.at(0).find("cannot be written"), std::string::npos);
    rig.m.ScoreTable[0].Score = 999;
    rig.Send(ev::MenuQuit{});
    EXPECT_TRUE(rig.m.ended);
    EXPECT_EQ(rig.host.endStatus, 1);
}

TEST(StoreFailure, OldContentSurvivesAFolderThatCannotBeWritten) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString folder = root.path() + "/Fruitwhirl";
    const QString ini = folder + "/Fruitwhirl.ini";
    QDir().mkpath(folder);
    const QString old = "[GameCfg]\nName=Kept\n\n[High-01]\nName=Old\nScore=5\n";
    {
        QFile file(ini);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(old.toUtf8());
    }
    QFile::setPermissions(root.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                           QFile::ReadOther | QFile::ExeOther | QFile::ReadGroup |
                                           QFile::ExeGroup);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther |
                                      QFile::ReadGroup | QFile::ExeGroup);
    QFile::setPermissions(ini, QFile::ReadOwner | QFile::ReadOther | QFile::ReadGroup);

    QString program = QCoreApplication::applicationFilePath();
    QStringList args{"--gtest_filter=StoreChild.QuitIntoReadOnlyFolder"};
    if (::geteuid() == 0) {
        // Root ignores folder permissions: drop to nobody for the child.
        if (QStandardPaths::findExecutable("setpriv").isEmpty()) GTEST_SKIP() << "setpriv is missing";
        args = QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", program} + args;
        program = "setpriv";
    }
    QProcess child;
    auto env = QProcessEnvironment::systemEnvironment();
    env.insert("FW_STORE_CHILD_DIR", root.path());
    child.setProcessEnvironment(env);
    child.start(program, args);
    ASSERT_TRUE(child.waitForFinished(60000));
    const QString output = child.readAllStandardOutput() + child.readAllStandardError();
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("[       OK ] StoreChild.QuitIntoReadOnlyFolder")) << output.toStdString();

    EXPECT_EQ(ReadAll(ini), old);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"Fruitwhirl.ini"});
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

}  // namespace
}  // namespace fw::test
