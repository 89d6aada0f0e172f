#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <tuple>

#include "frontend/qt/dialogs/dialogs.h"
#include "modal.h"

namespace fw {
namespace {

template <class T = QWidget>
T* Find(QWidget* dialog, const char* name) {
    T* widget = dialog->findChild<T*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << "no " << name;
    return widget;
}
auto Slider = [](QWidget* d) { return Find<QSlider>(d, "scrSpeed"); };
auto NameBox = [](QWidget* d) { return Find<QLineEdit>(d, "txtYourName"); };
auto SoundBox = [](QWidget* d) { return Find<QCheckBox>(d, "chkSound"); };
auto ResetBox = [](QWidget* d) { return Find<QCheckBox>(d, "chkResetHigh"); };
auto Tabs = [](QWidget* d) { return Find<QTabWidget>(d, "tabConfig"); };
auto Volume = [](QWidget* d) { return Find<QSlider>(d, "scrVolume"); };

// Opens the dialog over a main window and runs body on it; body must close it.
bool OpenConfig(ConfigValues& values, std::function<void(QWidget*)> body) {
    auto parent = test::MainWindowAt(100, 50);
    test::WhenModal(std::move(body));
    return RunConfigDialog(parent.get(), 1, values);
}

auto Chosen(const ConfigValues& v) {
    return std::tuple(v.name, v.speed, v.soundOn, v.volume, v.resetHighScores);
}

TEST(ConfigDialog, ShowsTheValuesOkWritesWhatThePlayerChangedCancelNothingAndNoDeviceKeepsTheSoundChoice) {
    // The machine's preview: a name with a D with a stroke (which its font has not) draws in part.
    ConfigValues values{"Kimberly", 1, 30, true, false, 40, [](const std::string& name) {
                            return name.starts_with("Đ") ? Surface(8, 3) : Surface{};
                        }};
    const bool ok = OpenConfig(values, [](QWidget* d) {
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
        NameBox(d)->insert(QString::fromUtf8("Đorđe"));     // typed over the selected name
        EXPECT_TRUE(Find(d, "imgPreview")->isVisible());
        NameBox(d)->selectAll();
        QTest::keyClicks(NameBox(d), "Annabel Lee Poe");
        EXPECT_FALSE(Find(d, "imgPreview")->isVisible());
        EXPECT_EQ(NameBox(d)->text(), "Annabel Le");  // ten characters at most
        EXPECT_EQ(Volume(d)->value(), 40);
        QTest::keyClick(Volume(d), Qt::Key_Right);  // a step of ten
        SoundBox(d)->setChecked(false);
        ResetBox(d)->setChecked(true);
        QTest::keyClick(NameBox(d), Qt::Key_Return);  // Enter is OK
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(Chosen(values), std::tuple("Annabel Le", 100 - 79, 0, 50, true));
    OpenConfig(values, [](QWidget* d) {  // the next opening: the first page, the reset box unticked
        EXPECT_EQ(Tabs(d)->currentIndex(), 0);
        EXPECT_FALSE(ResetBox(d)->isChecked());
        EXPECT_FALSE(SoundBox(d)->isChecked());
        QTest::keyClick(Slider(d), Qt::Key_Home);
        QTest::mouseClick(Find(d, "cmdButton0"), Qt::LeftButton);  // OK
    });
    EXPECT_EQ(Chosen(values), std::tuple("Annabel Le", 100, 0, 50, true));  // a pending reset stays asked for
    values.resetHighScores = false;
    const bool cancelled = !OpenConfig(values, [](QWidget* d) {
        Slider(d)->setValue(50);
        NameBox(d)->setText("Changed");
        SoundBox(d)->setChecked(true);
        ResetBox(d)->setChecked(true);
        QTest::mouseClick(Find(d, "cmdButton1"), Qt::LeftButton);  // Cancel
    });
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(Chosen(values), std::tuple("Annabel Le", 100, 0, 50, false));
    values.soundOn = 1;  // asked for, but there is no sound device now
    values.soundAvailable = false;
    OpenConfig(values, [](QWidget* d) {
        // The stored choice, greyed, with the note why.
        EXPECT_TRUE(!SoundBox(d)->isEnabled() && SoundBox(d)->isChecked() && !Volume(d)->isEnabled());
        EXPECT_TRUE(Find(d, "lblNoDevice")->isVisibleTo(Tabs(d)->widget(2)));
        QTest::keyClick(Slider(d), Qt::Key_End);
        QTest::mouseClick(Find(d, "cmdButton0"), Qt::LeftButton);  // OK
    });
    EXPECT_EQ(Chosen(values), std::tuple("Annabel Le", 0, 1, 50, false));
}

}  // namespace
}  // namespace fw
