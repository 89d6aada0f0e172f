// The program's command line against the manual page: the same options, the
// same range of --scale, the same keys, a usage line that names every option;
// --version, --odds without a display, and the files the build puts beside it.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>

#include "fakes.h"
#include "play/odds.h"
#include "shell/odds.h"

namespace fw::test {
namespace {

struct Output {
    int status;
    QString out, err;
};

Output Invoke(const QStringList& args,
              const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(FW_PROGRAM, args);
    process.waitForFinished(20000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QString ManPage() {
    QFile file(FW_MAN_PAGE);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << FW_MAN_PAGE;
    return QString::fromUtf8(file.readAll());
}

// The bold terms of the manual page's ".Item" lines in section NAME, one list per line.
QList<QStringList> ManTerms(const QString& section) {
    const QString text = ManPage();
    const qsizetype start = text.indexOf("\n.SH " + section + "\n");
    EXPECT_GE(start, 0) << section.toStdString();
    QList<QStringList> items;
    for (const QString& line : text.mid(start, text.indexOf("\n.SH ", start + 1) - start).split('\n')) {
        if (!line.startsWith(".Item \"")) continue;
        QStringList words;
        static const QRegularExpression bold(R"(\\fB(.*?)\\fR)");
        for (const auto& match : bold.globalMatch(line.section('"', 1, 1)))
            words << QString(match.captured(1)).replace("\\-", "-");
        items << words;
    }
    return items;
}

QString Section(const QString& help, const QString& from, const QString& to) {
    const qsizetype start = help.indexOf(from);
    return help.mid(start, to.isEmpty() ? -1 : help.indexOf(to, start) - start);
}

TEST(Help, NamesTheOptionsOfTheManualPage) {
    const Output help = Invoke({"--help"});
    ASSERT_EQ(help.status, 0);
    const QString usage = help.out.section('\n', 0, 0);
    EXPECT_TRUE(usage.startsWith("Usage: fruitwhirl")) << usage.toStdString();
    const QString options = Section(help.out, "\n  -", "\n\n");
    QSet<QString> manOptions;
    for (const QStringList& item : ManTerms("OPTIONS")) {
        for (const QString& option : item) {
            manOptions << option;
            EXPECT_TRUE(options.contains(
                QRegularExpression("(^|[ ,])" + QRegularExpression::escape(option) + "([ ,=]|$)",
                                   QRegularExpression::MultilineOption)))
                << option.toStdString() << " is not among the options of --help:\n"
                << options.toStdString();
            if (option.startsWith("--")) {
                EXPECT_TRUE(usage.contains("[" + option)) << option.toStdString() << " not in usage";
            }
        }
    }
    static const QRegularExpression anOption(R"((?<![\w-])--?[a-z][a-z-]*)");
    for (const auto& match : anOption.globalMatch(options))
        EXPECT_TRUE(manOptions.contains(match.captured(0)))
            << match.captured(0).toStdString() << " is not in the manual";
    EXPECT_GE(manOptions.size(), 4);
}

TEST(Help, NamesEveryKeyOfTheManualPage) {
    const QString keys = Section(Invoke({"--help"}).out, "\nKeys:\n", "");
    QSet<QString> words;
    for (const QString& word : keys.split(QRegularExpression("[ ,\n]+"), Qt::SkipEmptyParts)) words << word;
    int count = 0;
    for (const QStringList& item : ManTerms("KEYS")) {
        for (const QString& key : item) {
            ++count;
            EXPECT_TRUE(words.contains(key)) << key.toStdString() << " is not among the keys of --help:\n"
                                             << keys.toStdString();
        }
    }
    EXPECT_GE(count, 20);
}

TEST(CommandLine, TheScaleTakesTheRangeOfTheManualPageAndNothingElse) {
    const auto range = QRegularExpression(R"(\\-\\-scale.*?from (\d+) to (\d+))").match(ManPage());
    ASSERT_TRUE(range.hasMatch());
    const QString scaleLine = Section(Invoke({"--help"}).out, "  --scale N", "\n");
    EXPECT_TRUE(scaleLine.contains("from " + range.captured(1) + " to " + range.captured(2)))
        << scaleLine.toStdString();
    const int low = range.captured(1).toInt(), high = range.captured(2).toInt();
    const struct {
        QString scale;
        int status;  // --version stops before any window
    } rows[] = {{QString::number(low), 0},
                {QString::number(high), 0},
                {QString::number(low - 1), 2},
                {QString::number(high + 1), 2},
                {"-2", 2},
                {"two", 2},
                {"1.5", 2},
                {"", 2}};
    for (const auto& row : rows) {
        const Output run = Invoke({"--scale", row.scale, "--version"});
        EXPECT_EQ(run.status, row.status) << row.scale.toStdString();
        EXPECT_TRUE(row.status == 0 ? run.out == QString("Fruitwhirl ") + FW_VERSION + "\n"
                                    : run.err.contains("--scale"))
            << row.scale.toStdString() << ": " << (run.out + run.err).toStdString();
    }
    EXPECT_EQ(Invoke({"--frobnicate"}).status, 2);
    const QString folder = QFileInfo(FW_PROGRAM).absolutePath();
    EXPECT_TRUE(QFileInfo(folder + "/Gfx/Fruit.Thm").isFile());
    EXPECT_TRUE(QFileInfo(folder + "/Sfx/Lever.wav").isFile());
    EXPECT_GT(QFileInfo(folder + "/manual.txt").size(), 500);
}

TEST(CommandLine, OddsPrintsTheLongRunTableWithoutADisplay) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
    const Output odds = Invoke({"--odds"}, env);
    EXPECT_EQ(odds.status, 0);
    EXPECT_EQ(odds.out.toStdString(), LongRunOddsText());
    Rig rig;
    rig.Start();
    const GameOdds table = LongRunOdds(rig.m, false);
    EXPECT_TRUE(odds.out.contains(QString::fromStdString("Return per credit: " + FractionText(table.payout) +
                                                         " coins (" + Percent(table.payout))));
}

// The player's manual tells what is the player's to know: no names of the game's code.
TEST(Manual, SendsThePlayerToNoNameOfTheCode) {
    QFile file(QFileInfo(FW_PROGRAM).absolutePath() + "/manual.txt");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    static const QRegularExpression code(R"(\w::\w|\bsource\b|\w\.(cpp|h)\b|\w\(\w\))");
    const auto found = code.match(QString::fromUtf8(file.readAll()));
    EXPECT_FALSE(found.hasMatch()) << found.captured(0).toStdString();
}

}  // namespace
}  // namespace fw::test
