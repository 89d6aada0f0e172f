// The configuration dialog: what it shows at opening, what OK writes, and
// that every other way out leaves the values alone.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "frontend/qt/dialogs/dialogs.h"
#include "modal.h"

namespace fw {
namespace {

template <class T>
T* Find(QWidget* dialog, const char* name) {
    T* widget = dialog->findChild<T*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << "no " << name;
    return widget;
}
QSlider* Slider(QWidget* d) {
    return Find<QSlider>(d, "scrSpeed");
}
QLineEdit* NameBox(QWidget* d) {
    return Find<QLineEdit>(d, "txtYourName");
}
QCheckBox* SoundBox(QWidget* d) {
    return Find<QCheckBox>(d, "chkSound");
}
QCheckBox* ResetBox(QWidget* d) {
    return Find<QCheckBox>(d, "chkResetHigh");
}
QTabWidget* Tabs(QWidget* d) {
    return Find<QTabWidget>(d, "tabConfig");
}
void Click(QWidget* d, const char* button) {
    QTest::mouseClick(Find<QPushButton>(d, button), Qt::LeftButton);
}

// Opens the dialog over a main window and runs body on it; body must close it.
bool OpenConfig(ConfigValues& values, std::function<void(QWidget*)> body) {
    auto parent = test::MainWindowAt(100, 50);
    test::WhenModal(std::move(body));
    return RunConfigDialog(parent.get(), 1, values);
}

TEST(ConfigDialog, ShowsTheValuesOnFourPagesAndOkWritesWhatThePlayerChanged) {
    ConfigValues values{"Kimberly", 1, 30, true, false};
    const bool ok = OpenConfig(values, [](QWidget* d) {
        EXPECT_EQ(d->windowTitle(), "Configuration");
        EXPECT_TRUE(static_cast<QDialog*>(d)->isModal());
        EXPECT_EQ(d->minimumSize(), d->maximumSize());
        const QStringList captions{"Speed", "Name", "Sound Fx", "Highscore"};
        for (int i = 0; i < 4; ++i) EXPECT_EQ(Tabs(d)->tabText(i), captions[i]);
        EXPECT_EQ(Tabs(d)->currentIndex(), 0);
        EXPECT_EQ(Slider(d)->value(), 70);  // the slider shows 100 - speed: right is fast
        EXPECT_TRUE(SoundBox(d)->isEnabled() && SoundBox(d)->isChecked());
        EXPECT_FALSE(ResetBox(d)->isChecked());
        QTest::keyClick(Slider(d), Qt::Key_PageUp);  // ten to the right
        QTest::keyClick(Slider(d), Qt::Key_Left);
        QTabBar* bar = Tabs(d)->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
        EXPECT_TRUE(NameBox(d)->isVisible());
        NameBox(d)->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(NameBox(d)->selectedText(), "Kimberly");  // typing replaces the name
        QTest::keyClicks(NameBox(d), "Annabel Lee Poe");
        EXPECT_EQ(NameBox(d)->text(), "Annabel Le");  // ten characters at most
        SoundBox(d)->setChecked(false);
        ResetBox(d)->setChecked(true);
        QTest::keyClick(NameBox(d), Qt::Key_Return);  // Enter is OK
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(values.name, "Annabel Le");
    EXPECT_EQ(values.speed, 100 - 79);
    EXPECT_EQ(values.soundOn, 0);
    EXPECT_TRUE(values.resetHighScores);
    OpenConfig(values, [](QWidget* d) {  // the next opening: the first page, the reset box unticked
        EXPECT_EQ(Tabs(d)->currentIndex(), 0);
        EXPECT_FALSE(ResetBox(d)->isChecked());
        EXPECT_FALSE(SoundBox(d)->isChecked());
        QTest::keyClick(Slider(d), Qt::Key_Home);
        Click(d, "cmdButton0");
    });
    EXPECT_EQ(values.speed, 100);
    EXPECT_TRUE(values.resetHighScores);  // a pending reset stays asked for
}

TEST(ConfigDialog, CancelTheCloseBoxAndEscapeWriteNothing) {
    for (int way = 0; way < 3; ++way) {
        ConfigValues values{"Kim", 1, 30, true, false};
        const bool ok = OpenConfig(values, [way](QWidget* d) {
            Slider(d)->setValue(0);
            NameBox(d)->setText("Changed");
            SoundBox(d)->setChecked(false);
            ResetBox(d)->setChecked(true);
            if (way == 0) Click(d, "cmdButton1");
            if (way == 1) d->close();
            if (way == 2) QTest::keyClick(d, Qt::Key_Escape);
        });
        EXPECT_FALSE(ok);
        EXPECT_EQ(values.name, "Kim");
        EXPECT_EQ(values.speed, 30);
        EXPECT_EQ(values.soundOn, 1);
        EXPECT_FALSE(values.resetHighScores);
    }
}

TEST(ConfigDialog, WithoutASoundDeviceTheSoundBoxIsOffAndDisabled) {
    ConfigValues values{"", 1, 50, false, false};
    OpenConfig(values, [](QWidget* d) {
        EXPECT_FALSE(SoundBox(d)->isEnabled());
        EXPECT_FALSE(SoundBox(d)->isChecked());
        EXPECT_EQ(Slider(d)->value(), 50);
        QTest::keyClick(Slider(d), Qt::Key_End);
        Click(d, "cmdButton0");
    });
    EXPECT_EQ(values.soundOn, 0);
    EXPECT_EQ(values.speed, 0);
    EXPECT_EQ(values.name, "");
}

}  // namespace
}  // namespace fw
