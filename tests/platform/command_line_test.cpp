// The program's command line against the manual page, and the files the build puts beside it.
#include <gtest/gtest.h>

#include <tuple>

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include "files.h"

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

QString Text(const QString& path) {
    return QString::fromUtf8(Bytes(path));
}

// The bold terms of the manual page's ".Item" lines in section NAME.
QStringList ManTerms(const QString& section) {
    const QString text = Text(FW_MAN_PAGE);
    const qsizetype start = text.indexOf("\n.SH " + section + "\n");
    QStringList terms;
    for (const QString& line : text.mid(start, text.indexOf("\n.SH ", start + 1) - start).split('\n')) {
        if (!line.startsWith(".Item \"")) continue;
        static const QRegularExpression bold(R"(\\fB(.*?)\\fR)");
        for (const auto& match : bold.globalMatch(line.section('"', 1, 1)))
            terms << QString(match.captured(1)).replace("\\-", "-");
    }
    return terms;
}

TEST(Help, NamesTheOptionsAndTheKeysOfTheManualPage) {
    const Output help = Invoke({"--help"});
    ASSERT_EQ(help.status, 0);
    const QString usage = help.out.section('\n', 0, 0);
    const QString options = help.out.section("\n\n", 1, 1);
    static const QRegularExpression anOption(R"((?<![\w-])--?[a-z][a-z-]*)");
    QStringList helpOptions, manOptions = ManTerms("OPTIONS");
    for (const auto& match : anOption.globalMatch(options)) helpOptions << match.captured(0);
    helpOptions.removeDuplicates();
    helpOptions.sort(), manOptions.sort();
    EXPECT_EQ(helpOptions, manOptions) << options.toStdString();
    EXPECT_GE(manOptions.size(), 4);
    for (const QString& option : manOptions)
        EXPECT_TRUE(!option.startsWith("--") || usage.contains("[" + option)) << option.toStdString();
    const QString keys = help.out.section("\nKeys:\n", 1);
    const QStringList words = keys.split(QRegularExpression("[ ,\n]+"), Qt::SkipEmptyParts);
    const QStringList manKeys = ManTerms("KEYS");
    for (const QString& key : manKeys) EXPECT_TRUE(words.contains(key)) << key.toStdString();
    EXPECT_GE(manKeys.size(), 20);
}

TEST(CommandLine, TheScaleTakesTheRangeOfTheManualPageAndTheManualBesideTheProgramNamesNoCode) {
    const auto range = QRegularExpression(R"(\\-\\-scale.*?from (\d+) to (\d+))").match(Text(FW_MAN_PAGE));
    ASSERT_TRUE(range.hasMatch());
    const QString help = Invoke({"--help"}).out;
    EXPECT_TRUE(help.contains("from " + range.captured(1) + " to " + range.captured(2)));
    const int low = range.captured(1).toInt(), high = range.captured(2).toInt();
    const QStringList good{QString::number(low), QString::number(high)},
        bad{QString::number(low - 1), QString::number(high + 1), "-2", "two", "1.5", ""};
    for (const QString& scale : good + bad) {
        const Output run = Invoke({"--scale", scale, "--version"});  // --version stops before any window
        EXPECT_EQ(run.status, good.contains(scale) ? 0 : 2) << scale.toStdString();
        EXPECT_TRUE(good.contains(scale) ? run.out == QString("Fruitwhirl ") + FW_VERSION + "\n"
                                         : run.err.contains("--scale"))
            << scale.toStdString() << ": " << (run.out + run.err).toStdString();
    }
    EXPECT_EQ(Invoke({"--frobnicate"}).status, 2);
    const QString folder = QFileInfo(FW_PROGRAM).absolutePath();
    EXPECT_TRUE(QFileInfo(folder + "/Sfx/Lever.wav").isFile());  // Gfx: ImageLoader copies a theme from it
    // The player's manual beside it tells what is the player's to know: no names of the game's code.
    const QString manual = Text(folder + "/manual.txt");
    EXPECT_GT(manual.size(), 500);
    static const QRegularExpression code(R"(\w::\w|\bsource\b|\w\.(cpp|h)\b|\w\(\w\))");
    const auto found = code.match(manual);
    EXPECT_FALSE(found.hasMatch()) << found.captured(0).toStdString();
}

// One manual source; neither edition's manual tells of the other's parts, nor shows the marks that part them.
TEST(Manual, EachEditionsManualTellsOfItsOwnPartsAndNotTheOthers) {
    const QString desktop = Text(QFileInfo(FW_PROGRAM).absolutePath() + "/manual.txt");
    const QString browser = Text(FW_BROWSER_MANUAL);
    // A word from each part of the manual that only one edition has.
    const QStringList desktopOnly{"for your desktop", "--scale", "~/.config", "Alt with the underlined",
                                  "--odds"};
    const QStringList browserOnly{"Download Records", "Add a Theme", "without a network connection",
                                  "LONG PRESS"};
    for (const auto& [own, other, words] :
         {std::tuple{desktop, browser, desktopOnly}, std::tuple{browser, desktop, browserOnly}}) {
        for (const QString& word : words)
            EXPECT_TRUE(own.contains(word) && !other.contains(word)) << word.toStdString();
        EXPECT_TRUE(own.contains("5. THE PAY TABLE") && !own.contains("\n@"));
    }
}

TEST(CommandLine, OddsPrintsTheLongRunWithoutADisplay) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
    const Output odds = Invoke({"--odds"}, env);
    EXPECT_EQ(odds.status, 0);
    // The text of the core's figures (odds_test), as printed.
    for (const char* figure : {"Return per credit, outside the Mania period: 297/200 coins (148.5 %)",
                               "1 in 1000 (0.10 %), exactly 1/1000"})
        EXPECT_TRUE(odds.out.contains(figure)) << figure << "\n" << odds.out.toStdString();
}

TEST(Language, HelpSpeaksTheLanguageTheConfigurationChoseElseTheSystems) {
    const struct {
        const char* stored;  // the settings file's text
        const char* usage;   // how the first line of --help starts
    } rows[] = {
        {"[GameCfg]\nLanguage=2\n", "Aufruf: fruitwhirl"},  // Deutsch, over the system's French
        {"[GameCfg]\nLanguage=0\n", "Utilisation"},         // the system's
        {"[GameCfg]\r\nSpeed=30\r\nLanguage=4\r\n", "Uso: fruitwhirl"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.stored);
        const Folder f;
        ASSERT_TRUE(Write(f.ini, row.stored));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", f.root.path());
        env.insert("LANGUAGE", "fr");
        env.remove("FRUITWHIRL_LANGUAGE");
        const Output help = Invoke({"--help"}, env);
        EXPECT_TRUE(help.out.startsWith(row.usage)) << help.out.left(80).toStdString();
    }
}

}  // namespace
}  // namespace fw::test
