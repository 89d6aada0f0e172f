// frmConfig: what it shows at opening, what "&Ok" writes and what every other way out leaves alone.
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

using test::MainWindowAt;
using test::WhenModal;

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
void ClickOk(QWidget* d) {
    QTest::mouseClick(Find<QPushButton>(d, "cmdButton0"), Qt::LeftButton);
}
void ClickCancel(QWidget* d) {
    QTest::mouseClick(Find<QPushButton>(d, "cmdButton1"), Qt::LeftButton);
}

ConfigValues Values(std::string name, int soundOn, int speed, bool soundAvailable, bool reset = false) {
    ConfigValues values;
    values.name = std::move(name);
    values.soundOn = soundOn;
    values.speed = speed;
    values.soundAvailable = soundAvailable;
    values.resetHighScores = reset;
    return values;
}

void ExpectSame(const ConfigValues& a, const ConfigValues& b) {
    EXPECT_EQ(a.name, b.name);
    EXPECT_EQ(a.soundOn, b.soundOn);
    EXPECT_EQ(a.speed, b.speed);
    EXPECT_EQ(a.soundAvailable, b.soundAvailable);
    EXPECT_EQ(a.resetHighScores, b.resetHighScores);
}

// Opens the dialog over a main window at (100, 50) and runs `body` on it; `body` must close it.
bool OpenConfig(ConfigValues& values, std::function<void(QWidget*)> body, int scale = 1) {
    auto parent = MainWindowAt(100, 50);
    WhenModal(std::move(body));
    return RunConfigDialog(parent.get(), scale, values);
}

TEST(ConfigDialog, LoadsTheValuesIntoTheControls) {
    ConfigValues values = Values("Kim", 1, 30, true);
    OpenConfig(values, [](QWidget* d) {
        EXPECT_EQ(d->windowTitle(), "Configuration");
        EXPECT_EQ(Slider(d)->value(), 70);
        EXPECT_EQ(NameBox(d)->text(), "Kim");
        EXPECT_TRUE(SoundBox(d)->isEnabled());
        EXPECT_TRUE(SoundBox(d)->isChecked());
        EXPECT_FALSE(ResetBox(d)->isChecked());
        EXPECT_EQ(Find<QLabel>(d, "lblName")->text(), "Enter Your Name Here:");
        EXPECT_EQ(SoundBox(d)->text(), "Sound Effects On/Off");
        EXPECT_EQ(ResetBox(d)->text(), "Reset The Highscore List");
        const QString speedCaption = Find<QLabel>(d, "lblSpeed")->text();
        EXPECT_TRUE(speedCaption.startsWith("Slow") && speedCaption.endsWith("Fast"))
            << speedCaption.toStdString();
        ClickCancel(d);
    });
}

TEST(ConfigDialog, SoundOffLeavesTheSoundBoxUnticked) {
    ConfigValues values = Values("Kim", 0, 50, true);
    OpenConfig(values, [](QWidget* d) {
        EXPECT_TRUE(SoundBox(d)->isEnabled());
        EXPECT_FALSE(SoundBox(d)->isChecked());
        ClickCancel(d);
    });
}

TEST(ConfigDialog, OkWritesTheValues) {
    ConfigValues values = Values("Kim", 1, 30, true);
    const bool ok = OpenConfig(values, [](QWidget* d) {
        Slider(d)->setValue(25);
        NameBox(d)->setText("Ann");
        SoundBox(d)->setChecked(false);
        ClickOk(d);
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(values.name, "Ann");
    EXPECT_EQ(values.soundOn, 0);
    EXPECT_EQ(values.speed, 75);
    EXPECT_FALSE(values.resetHighScores);
    EXPECT_TRUE(values.soundAvailable);
}

TEST(ConfigDialog, OkAcceptsAnEmptyNameAndTurnsSoundOn) {
    ConfigValues values = Values("Kim", 0, 50, true);
    const bool ok = OpenConfig(values, [](QWidget* d) {
        NameBox(d)->clear();
        SoundBox(d)->setChecked(true);
        ClickOk(d);
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(values.name, "");
    EXPECT_EQ(values.soundOn, 1);
}

TEST(ConfigDialog, EnterPressesOk) {
    ConfigValues values = Values("Kim", 1, 50, true);
    const bool ok = OpenConfig(values, [](QWidget* d) {
        Tabs(d)->setCurrentIndex(1);
        NameBox(d)->setFocus();
        QTest::keyClicks(NameBox(d), "Bo");
        QTest::keyClick(NameBox(d), Qt::Key_Return);
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(values.name, "Bo");
}

// Every page edited, then Cancel: nothing is written.
TEST(ConfigDialog, CancelWritesNothing) {
    ConfigValues values = Values("Kim", 1, 30, true);
    const ConfigValues before = values;
    const bool ok = OpenConfig(values, [](QWidget* d) {
        for (int tab = 0; tab < 4; ++tab) Tabs(d)->setCurrentIndex(tab);
        Slider(d)->setValue(0);
        NameBox(d)->setText("Changed");
        SoundBox(d)->setChecked(false);
        ResetBox(d)->setChecked(true);
        ClickCancel(d);
    });
    EXPECT_FALSE(ok);
    ExpectSame(values, before);
}

TEST(ConfigDialog, TheCloseBoxWritesNothing) {
    ConfigValues values = Values("Kim", 1, 30, true);
    const ConfigValues before = values;
    const bool ok = OpenConfig(values, [](QWidget* d) {
        Slider(d)->setValue(100);
        NameBox(d)->setText("Changed");
        SoundBox(d)->setChecked(false);
        ResetBox(d)->setChecked(true);
        d->close();
    });
    EXPECT_FALSE(ok);
    ExpectSame(values, before);
}

TEST(ConfigDialog, EscapeWritesNothing) {
    ConfigValues values = Values("Kim", 0, 80, true);
    const ConfigValues before = values;
    const bool ok = OpenConfig(values, [](QWidget* d) {
        Slider(d)->setValue(5);
        ResetBox(d)->setChecked(true);
        QTest::keyClick(d, Qt::Key_Escape);
    });
    EXPECT_FALSE(ok);
    ExpectSame(values, before);
}

TEST(ConfigDialog, SliderLeftEndGivesSpeed100) {
    ConfigValues values = Values("Kim", 1, 50, true);
    OpenConfig(values, [](QWidget* d) {
        QTest::keyClick(Slider(d), Qt::Key_Home);
        EXPECT_EQ(Slider(d)->value(), 0);
        ClickOk(d);
    });
    EXPECT_EQ(values.speed, 100);
}

TEST(ConfigDialog, SliderRightEndGivesSpeed0) {
    ConfigValues values = Values("Kim", 1, 50, true);
    OpenConfig(values, [](QWidget* d) {
        QTest::keyClick(Slider(d), Qt::Key_End);
        EXPECT_EQ(Slider(d)->value(), 100);
        ClickOk(d);
    });
    EXPECT_EQ(values.speed, 0);
}

TEST(ConfigDialog, DefaultSpeedShowsTheSliderInTheMiddleAndItStepsByOneAndTen) {
    ConfigValues values = Values("Kim", 1, 50, true);
    OpenConfig(values, [](QWidget* d) {
        QSlider* slider = Slider(d);
        EXPECT_EQ(slider->orientation(), Qt::Horizontal);
        EXPECT_EQ(slider->minimum(), 0);
        EXPECT_EQ(slider->maximum(), 100);
        EXPECT_EQ(slider->value(), 50);
        QTest::keyClick(slider, Qt::Key_Right);
        EXPECT_EQ(slider->value(), 51);
        QTest::keyClick(slider, Qt::Key_PageUp);
        EXPECT_EQ(slider->value(), 61);
        QTest::keyClick(slider, Qt::Key_PageDown);
        QTest::keyClick(slider, Qt::Key_PageDown);
        EXPECT_EQ(slider->value(), 41);
        ClickOk(d);
    });
    EXPECT_EQ(values.speed, 59);
}

TEST(ConfigDialog, ANameLongerThanTenCharactersCannotBeTyped) {
    ConfigValues values = Values("", 1, 50, true);
    OpenConfig(values, [](QWidget* d) {
        Tabs(d)->setCurrentIndex(1);
        NameBox(d)->setFocus();
        QTest::keyClicks(NameBox(d), "ABCDEFGHIJKLMNO");
        EXPECT_EQ(NameBox(d)->text(), "ABCDEFGHIJ");
        ClickOk(d);
    });
    EXPECT_EQ(values.name, "ABCDEFGHIJ");
}

// The selection covers the name as loaded (three characters), not the whole text of the box.
TEST(ConfigDialog, TheLoadedNameIsSelectedWhenTheBoxGetsTheFocus) {
    ConfigValues values = Values("Kim", 1, 50, true);
    OpenConfig(values, [](QWidget* d) {
        Tabs(d)->setCurrentIndex(1);
        QLineEdit* box = NameBox(d);
        box->setText("Kimberly");
        box->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        ASSERT_TRUE(box->hasFocus());
        EXPECT_EQ(box->selectionStart(), 0);
        EXPECT_EQ(box->selectedText(), "Kim");

        // The same after a click into the box.
        Find<QPushButton>(d, "cmdButton1")->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        ASSERT_FALSE(box->hasFocus());
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 4, box->height() / 2));
        ASSERT_TRUE(box->hasFocus());
        EXPECT_EQ(box->selectedText(), "Kim");

        // Typing replaces the loaded name.
        QTest::keyClicks(box, "Jo");
        EXPECT_EQ(box->text(), "Joberly");
        ClickCancel(d);
    });
}

TEST(ConfigDialog, WithoutSoundTheSoundBoxIsDisabledAndOkTurnsSoundOff) {
    ConfigValues values = Values("Kim", 1, 50, false);
    const bool ok = OpenConfig(values, [](QWidget* d) {
        EXPECT_FALSE(SoundBox(d)->isEnabled());
        EXPECT_FALSE(SoundBox(d)->isChecked());
        ClickOk(d);
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(values.soundOn, 0);
}

TEST(ConfigDialog, TheResetBoxIsUntickedAtEveryOpening) {
    ConfigValues values = Values("Kim", 1, 50, true);
    OpenConfig(values, [](QWidget* d) {
        EXPECT_FALSE(ResetBox(d)->isChecked());
        ClickOk(d);
    });
    EXPECT_FALSE(values.resetHighScores);

    OpenConfig(values, [](QWidget* d) {
        Tabs(d)->setCurrentIndex(3);
        QTest::mouseClick(ResetBox(d), Qt::LeftButton);
        EXPECT_TRUE(ResetBox(d)->isChecked());
        ClickOk(d);
    });
    EXPECT_TRUE(values.resetHighScores);

    // Opened again while a reset is still pending: the box is unticked, and Ok leaves the request.
    OpenConfig(values, [](QWidget* d) {
        EXPECT_FALSE(ResetBox(d)->isChecked());
        ClickOk(d);
    });
    EXPECT_TRUE(values.resetHighScores);
}

TEST(ConfigDialog, TabsHaveTheirCaptionsAndTooltipsAndTheFirstIsInFront) {
    ConfigValues values = Values("Kim", 1, 50, true);
    const QStringList captions{"Speed", "Name", "Sound Fx", "Highscore"};
    const QStringList tips{"Change Wheel Speed", "Insert Your Name", "Sound fx On/Off", "Reset Highscore"};
    for (int opening = 0; opening < 2; ++opening) {
        OpenConfig(values, [&](QWidget* d) {
            QTabWidget* tabs = Tabs(d);
            ASSERT_EQ(tabs->count(), 4);
            for (int i = 0; i < 4; ++i) {
                EXPECT_EQ(tabs->tabText(i), captions[i]);
                EXPECT_EQ(tabs->tabToolTip(i), tips[i]);
                EXPECT_EQ(tabs->widget(i)->objectName(), QString("TabContainer%1").arg(i));
            }
            EXPECT_EQ(tabs->currentIndex(), 0);
            EXPECT_TRUE(Slider(d)->isVisible());
            EXPECT_FALSE(NameBox(d)->isVisible());
            // A click on a tab brings its page to the front; the next opening starts on the first.
            QTabBar* bar = tabs->tabBar();
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
            EXPECT_EQ(tabs->currentIndex(), 2);
            EXPECT_TRUE(SoundBox(d)->isVisible());
            EXPECT_FALSE(Slider(d)->isVisible());
            ClickCancel(d);
        });
    }
}

TEST(ConfigDialog, HasAFixedSize) {
    ConfigValues values = Values("Kim", 1, 50, true);
    OpenConfig(values, [](QWidget* d) {
        EXPECT_EQ(d->minimumSize(), d->maximumSize());
        EXPECT_EQ(d->size(), d->minimumSize());
        EXPECT_TRUE(static_cast<QDialog*>(d)->isModal());
        ClickCancel(d);
    });
}

TEST(ConfigDialog, OpensAtTheMainWindowsCornerPlus40And80Pixels) {
    ConfigValues values = Values("Kim", 1, 50, true);
    QPoint at;
    OpenConfig(values, [&](QWidget* d) {
        at = d->pos();
        ClickCancel(d);
    });
    EXPECT_EQ(at, QPoint(140, 130));
}

TEST(ConfigDialog, TheOffsetGrowsWithTheScale) {
    ConfigValues values = Values("Kim", 1, 50, true);
    QPoint at;
    OpenConfig(
        values,
        [&](QWidget* d) {
            at = d->pos();
            ClickCancel(d);
        },
        3);
    EXPECT_EQ(at, QPoint(220, 290));
}

}  // namespace
}  // namespace fw
