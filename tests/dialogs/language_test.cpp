// The desktop in the player's language, with the build's catalogues beside the program; the
// pseudo-locale makes every sentence about 40 % longer, with accents.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>

#include "../platform/files.h"
#include "fakes.h"
#include "frontend/qt/main_window.h"
#include "frontend/qt/translations.h"
#include "modal.h"
#include "platform/words.h"
#include "play/odds.h"

namespace fw::test {
namespace {

QString ProgramFolder() {
    return QFileInfo(FW_PROGRAM).absolutePath();
}

// An environment variable set (unset: null) for the length of a test.
struct Environment {
    Environment(const char* name, const char* value) : name(name), old(qgetenv(name)) {
        value ? qputenv(name, value) : qunsetenv(name);
    }
    ~Environment() { old.isNull() ? qunsetenv(name) : qputenv(name, old); }
    const char* name;
    QByteArray old;
};

QStringList MenuTitles(MainWindow& window) {
    QStringList titles;
    for (const QAction* menu : window.menuBar()->actions()) titles << menu->text();
    return titles;
}

TEST(Language, TheMenusSpeakTheSystemsLanguageAndAChoiceChangesThemAtOnce) {
    const Environment forced("FRUITWHIRL_LANGUAGE", nullptr);
    const Environment language("LANGUAGE", "de");
    const Environment lang("LANG", "fr_FR.UTF-8");
    Translations translations(ProgramFolder());
    translations.Install();
    MainWindow window(1);
    window.setTranslations(&translations);
    window.SetLanguage(0);
    EXPECT_EQ(MenuTitles(window), QStringList({"&Spiel", "&Motiv", "&Ansicht", "&Hilfe"}));
    window.SetLanguage(1);  // English, chosen in the configuration
    EXPECT_EQ(MenuTitles(window), QStringList({"&Game", "&Theme", "&View", "&Help"}));
}

TEST(Language, AGermanCountSaysMuenzeForOneAndMuenzenForMore) {
    Translations translations(ProgramFolder());
    translations.Speak("de");
    const char* one = "Your last run ended unexpectedly; its %1 coin was entered in the high-score list.";
    const char* more = "Your last run ended unexpectedly; its %1 coins were entered in the high-score list.";
    EXPECT_NE(TrN("records", one, more, 1).find("ihre %1 Münze wurde "), std::string::npos);
    EXPECT_NE(TrN("records", one, more, 312).find("ihre %1 Münzen wurden "), std::string::npos);
}

// The words of a window that do not fit where they stand, on each page as the player turns to it.
QStringList CutOff(QWidget* window) {
    QStringList cut;
    auto* pages = window->findChild<QTabWidget*>();
    for (int page = 0; page < (pages ? pages->count() : 1); ++page) {
        if (pages) pages->setCurrentIndex(page);
        QApplication::processEvents();
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            QString text;
            if (auto* button = qobject_cast<QAbstractButton*>(widget)) text = button->text();
            if (auto* box = qobject_cast<QComboBox*>(widget)) text = box->currentText();
            auto* label = qobject_cast<QLabel*>(widget);
            if (label) text = label->text();
            if (text.isEmpty() || !widget->isVisibleTo(window)) continue;
            const QSize need = widget->sizeHint();
            const bool fits = label && label->wordWrap()
                                  ? label->heightForWidth(label->width()) <= label->height()
                                  : need.width() <= widget->width() && need.height() <= widget->height();
            if (!fits) cut << widget->objectName() + ": " + text;
        }
    }
    const QTabBar* bar = pages ? pages->tabBar() : nullptr;
    for (int i = 0; bar && i < bar->count(); ++i) {
        const int words = bar->fontMetrics().horizontalAdvance(QString(bar->tabText(i)).remove('&'));
        if (bar->tabRect(i).width() < words || !bar->rect().contains(bar->tabRect(i)))
            cut << "tab: " + bar->tabText(i);
    }
    cut.removeDuplicates();
    return cut;
}

TEST(Language, NoWordIsCutOffInAnyWindowInTheLongestLanguage) {
    Translations translations(ProgramFolder());
    translations.Install();
    translations.Speak("pseudo");
    const std::string manual =
        translations.Translated(QDir(ProgramFolder()).filePath("manual.txt").toStdString());
    Rig rig;
    rig.Start();
    for (const int scale : {1, 3}) {
        MainWindow window(scale);
        window.setTranslations(&translations);
        window.show();
        QApplication::processEvents();
        for (QAction* menu : window.menuBar()->actions()) {
            const QRect place = window.menuBar()->actionGeometry(menu);
            EXPECT_TRUE(!place.isEmpty() && window.menuBar()->rect().contains(place))
                << "scale " << scale << ": the menu " << menu->text().toStdString() << " is cut off";
        }
        ConfigValues values{"Kim", 1, 30, false, false, 100, {}};
        const struct {
            const char* name;
            std::function<void()> open;
            const char* part = nullptr;  // a widget of a window that is not modal
        } rows[] = {
            {"Configuration", [&] { window.RunConfigDialog(values); }},
            {"About", [&] { window.ShowAbout("5.1"); }},
            {"Manual", [&] { window.ShowManual(manual); }, "txtManual"},
            {"Odds", [&] { window.ShowOdds(WorkOutOdds(rig.m), true); }, "tblPrizes"},
            {"Message", [&] { window.ShowMessage("Fruitwhirl", Tr("records", "Nothing was written.")); }},
            {"Question",
             [&] {
                 window.Ask("Fruitwhirl", Tr("records", "No records were checked for loading."),
                            Tr("records", "Try Again"), Tr("records", "Quit Without Saving"));
             }},
        };
        for (const auto& row : rows) {
            const auto look = [&](QWidget* shown) {
                EXPECT_EQ(CutOff(shown), QStringList()) << "scale " << scale << ": " << row.name;
                shown->close();
            };
            if (!row.part) WhenModal(look);
            row.open();
            if (row.part) look(window.findChild<QWidget*>(row.part)->window());
        }
    }
    translations.Speak("en");
}

TEST(Language, TheCheckRefusesACatalogueThatLacksASentenceKeepsAStaleOneOrDropsAPlaceholder) {
    const QString source = QFileInfo(FW_MAN_PAGE).absolutePath() + "/..";
    const QString header =
        "msgid \"\"\nmsgstr \"Language: de\\nPlural-Forms: nplurals=2; plural=(n != 1);\\n\"\n\n";
    auto opened = [](const QString& said) {
        return "msgctxt \"about\"\nmsgid \"Open %1\"\nmsgstr \"" + said + "\"\n\n";
    };
    auto counted = [](const QString& one, const QString& more) {
        return "msgctxt \"records\"\nmsgid \"%1 coin\"\nmsgid_plural \"%1 coins\"\nmsgstr[0] \"" + one +
               "\"\nmsgstr[1] \"" + more + "\"\n\n";
    };
    // A catalogue against a template of two sentences, one counted: what the check says.
    const struct {
        const char* name;
        const char* opened;  // the translation of "Open %1", or nothing: the entry is not there
        const char* extra;   // more entries
        bool passes;
    } rows[] = {
        {"whole", "%1 öffnen", "", true},
        {"lacks a sentence", nullptr, "", false},
        {"keeps a stale one", "%1 öffnen", "#~ msgid \"Gone\"\n#~ msgstr \"Weg\"\n", false},
        {"drops a placeholder", "öffnen", "", false},
        {"leaves one untranslated", "", "", false},
    };
    const QTemporaryDir folder;
    ASSERT_TRUE(Write(folder.filePath("t.pot"), (header + opened("") + counted("", "")).toUtf8()));
    for (const auto& row : rows) {
        const QString catalogue = header + (row.opened ? opened(row.opened) : QString()) +
                                  counted("%1 Münze", "%1 Münzen") + row.extra;
        ASSERT_TRUE(Write(folder.filePath("de.po"), catalogue.toUtf8()));
        QProcess check;
        check.start("python3", {source + "/scripts/l10n", "--check-catalogue", folder.filePath("de.po"),
                                folder.filePath("t.pot")});
        ASSERT_TRUE(check.waitForFinished(30000));
        EXPECT_EQ(check.exitStatus() == QProcess::NormalExit && check.exitCode() == 0, row.passes)
            << row.name << ": " << check.readAll().toStdString();
    }
}

}  // namespace
}  // namespace fw::test
