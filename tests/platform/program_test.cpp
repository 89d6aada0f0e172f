// The program's command line and the files the build puts beside it.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>

namespace {

struct ProgramRun {
    int status;
    QString out;
    QString err;
};

ProgramRun Program(const QStringList& args) {
    QProcess process;
    process.start(FW_PROGRAM, args);
    process.waitForFinished(20000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

TEST(CommandLine, HelpPrintsUsageAndExits) {
    const ProgramRun run = Program({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.contains("Usage: fruitwhirl")) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("--scale N"));
}

TEST(CommandLine, VersionPrintsAndExits) {
    const ProgramRun run = Program({"--version"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Fruitwhirl 5.1\n");
}

TEST(CommandLine, ScaleMustBeAWholeNumberFrom1) {
    for (const char* bad : {"0", "-2", "two", "1.5", ""}) {
        const ProgramRun run = Program({"--scale", bad});
        EXPECT_EQ(run.status, 2) << bad;
        EXPECT_TRUE(run.err.contains("--scale")) << bad;
    }
    EXPECT_EQ(Program({"--frobnicate"}).status, 2);
}

TEST(BuildLayout, GfxSfxAndManualLieBesideTheProgram) {
    const QString folder = QFileInfo(FW_PROGRAM).absolutePath();
    EXPECT_TRUE(QFileInfo(folder + "/Gfx/Fruit.Thm").isFile());
    EXPECT_TRUE(QFileInfo(folder + "/Sfx").isDir());
    EXPECT_GT(QFileInfo(folder + "/manual.txt").size(), 500);
}

}  // namespace
