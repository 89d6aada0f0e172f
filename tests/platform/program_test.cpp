// The program's command line and the files the build puts beside it.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>

namespace {

TEST(CommandLine, HelpVersionAndABadScale) {
    auto run = [](const QStringList& args) {
        QProcess process;
        process.start(FW_PROGRAM, args);
        process.waitForFinished(20000);
        return std::tuple{process.exitCode(), QString(process.readAllStandardOutput()),
                          QString(process.readAllStandardError())};
    };
    const auto [helpStatus, help, helpErr] = run({"--help"});
    EXPECT_EQ(helpStatus, 0);
    EXPECT_TRUE(help.contains("Usage: fruitwhirl") && help.contains("--scale N")) << help.toStdString();
    const auto [versionStatus, version, versionErr] = run({"--version"});
    EXPECT_EQ(version, QString("Fruitwhirl ") + FW_VERSION + "\n");
    for (const char* bad : {"0", "-2", "two", "1.5", ""}) {
        const auto [status, out, err] = run({"--scale", bad});
        EXPECT_EQ(status, 2) << bad;
        EXPECT_TRUE(err.contains("--scale")) << bad;
    }
    EXPECT_EQ(std::get<0>(run({"--frobnicate"})), 2);
    const QString folder = QFileInfo(FW_PROGRAM).absolutePath();
    EXPECT_TRUE(QFileInfo(folder + "/Gfx/Fruit.Thm").isFile());
    EXPECT_TRUE(QFileInfo(folder + "/Sfx/Lever.wav").isFile());
    EXPECT_GT(QFileInfo(folder + "/manual.txt").size(), 500);
}

}  // namespace
