// What --help tells against the manual page: the same options, the same range
// of --scale, the same keys, and a usage line that names every option.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>

namespace {

struct Output {
    int status;
    QString out;
};

Output Program(const QStringList& args) {
    QProcess process;
    process.start(FW_PROGRAM, args);
    process.waitForFinished(20000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput())};
}

// The bold terms of the manual page's ".Item" lines in section NAME, one list per line.
QList<QStringList> ManTerms(const QString& section) {
    QFile file(FW_MAN_PAGE);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << FW_MAN_PAGE;
    const QString text = QString::fromUtf8(file.readAll());
    const qsizetype start = text.indexOf("\n.SH " + section + "\n");
    EXPECT_GE(start, 0) << section.toStdString();
    const qsizetype end = text.indexOf("\n.SH ", start + 1);
    QList<QStringList> items;
    for (const QString& line : text.mid(start, end - start).split('\n')) {
        if (!line.startsWith(".Item \"")) continue;
        const QString term = line.section('"', 1, 1);
        QStringList words;
        static const QRegularExpression bold(R"(\\fB(.*?)\\fR)");
        for (const auto& match : bold.globalMatch(term))
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
    const Output help = Program({"--help"});
    ASSERT_EQ(help.status, 0);
    const QString usage = help.out.section('\n', 0, 0);
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
                EXPECT_TRUE(usage.contains("[" + option))
                    << option.toStdString() << " not in " << usage.toStdString();
            }
        }
    }
    static const QRegularExpression anOption(R"((?<![\w-])--?[a-z][a-z-]*)");
    for (const auto& match : anOption.globalMatch(options))
        EXPECT_TRUE(manOptions.contains(match.captured(0)))
            << match.captured(0).toStdString() << " is not in the manual";
    EXPECT_GE(manOptions.size(), 4);
}

TEST(Help, TellsTheRangeOfTheScaleThatTheProgramTakes) {
    const Output help = Program({"--help"});
    QFile file(FW_MAN_PAGE);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const auto range =
        QRegularExpression(R"(\\-\\-scale.*?from (\d+) to (\d+))").match(QString::fromUtf8(file.readAll()));
    ASSERT_TRUE(range.hasMatch());
    const QString scaleLine = Section(help.out, "  --scale", "\n");
    EXPECT_TRUE(scaleLine.contains("from " + range.captured(1) + " to " + range.captured(2)))
        << scaleLine.toStdString();
    // The ends of the range are taken, one beyond them refused (--version stops before any window).
    const int low = range.captured(1).toInt(), high = range.captured(2).toInt();
    EXPECT_EQ(Program({"--scale", QString::number(low), "--version"}).status, 0);
    EXPECT_EQ(Program({"--scale", QString::number(high), "--version"}).status, 0);
    EXPECT_EQ(Program({"--scale", QString::number(low - 1), "--version"}).status, 2);
    EXPECT_EQ(Program({"--scale", QString::number(high + 1), "--version"}).status, 2);
}

TEST(Help, NamesEveryKeyOfTheManualPage) {
    const QString keys = Section(Program({"--help"}).out, "\nKeys:\n", "");
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

// The player's manual tells what is the player's to know: no names of the game's code.
TEST(Manual, SendsThePlayerToNoNameOfTheCode) {
    QFile file(QFileInfo(FW_PROGRAM).absolutePath() + "/manual.txt");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    static const QRegularExpression code(R"(\w::\w|\bsource\b|\w\.(cpp|h)\b|\w\(\w\))");
    const auto found = code.match(text);
    EXPECT_FALSE(found.hasMatch()) << found.captured(0).toStdString();
}

}  // namespace
