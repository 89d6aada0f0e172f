// frmManual: the file's text, read afresh at every call, in one modeless window.
#include <gtest/gtest.h>

#include <QDialog>
#include <QFile>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "frontend/qt/dialogs/dialogs.h"
#include "modal.h"

namespace fw {
namespace {

using test::MainWindowAt;
using test::WhenModal;

class ManualWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        parent_ = MainWindowAt(100, 50);
    }
    QString path(const QString& name = "manual.txt") const { return dir_.filePath(name); }
    void write(const QByteArray& bytes, const QString& name = "manual.txt") const {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    QDialog* window() const { return parent_->findChild<QDialog*>("frmManual"); }
    QString shownText() const {
        QDialog* w = window();
        if (!w) return "<no window>";
        auto* text = w->findChild<QPlainTextEdit*>("txtManual");
        return text ? text->toPlainText() : "<no text box>";
    }

    QTemporaryDir dir_;
    std::unique_ptr<QWidget> parent_;
};

TEST_F(ManualWindowTest, ShowsTheFilesText) {
    write("FRUITWHIRL\n\nDrag a coin onto the slot.\n");
    ShowManual(parent_.get(), 1, path());
    ASSERT_NE(window(), nullptr);
    EXPECT_TRUE(window()->isVisible());
    EXPECT_EQ(window()->windowTitle(), "Fruitwhirl Manual");
    EXPECT_EQ(shownText(), "FRUITWHIRL\n\nDrag a coin onto the slot.\n");
    EXPECT_TRUE(window()->findChild<QPlainTextEdit*>("txtManual")->isReadOnly());
}

TEST_F(ManualWindowTest, QuitClosesTheWindow) {
    write("text\n");
    ShowManual(parent_.get(), 1, path());
    ASSERT_NE(window(), nullptr);
    auto* quit = window()->findChild<QPushButton*>("cmdQuit");
    ASSERT_NE(quit, nullptr);
    EXPECT_EQ(quit->text(), "&Quit");
    QTest::mouseClick(quit, Qt::LeftButton);
    EXPECT_FALSE(window() && window()->isVisible());
}

TEST_F(ManualWindowTest, ASecondCallReplacesTheTextInTheSameWindow) {
    write("first version\n");
    ShowManual(parent_.get(), 1, path());
    QDialog* first = window();
    ASSERT_NE(first, nullptr);
    window()->move(400, 300);  // the player moved it

    write("second version\n");
    ShowManual(parent_.get(), 1, path());
    EXPECT_EQ(window(), first);
    EXPECT_EQ(parent_->findChildren<QDialog*>("frmManual").size(), 1);
    EXPECT_EQ(shownText(), "second version\n");
    EXPECT_EQ(window()->pos(), QPoint(400, 300));
}

TEST_F(ManualWindowTest, AMissingFileGivesAMessageAndNoWindow) {
    QString message;
    WhenModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        message = box->text();
        box->close();
    });
    ShowManual(parent_.get(), 1, path("nothere.txt"));
    EXPECT_TRUE(message.contains("nothere.txt")) << message.toStdString();
    EXPECT_TRUE(message.contains("does not exist")) << message.toStdString();
    EXPECT_EQ(window(), nullptr);
}

TEST_F(ManualWindowTest, AFolderInsteadOfTheFileGivesAMessageAndNoWindow) {
    ASSERT_TRUE(QDir(dir_.path()).mkdir("manual.txt"));
    QString message;
    WhenModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        message = box->text();
        box->close();
    });
    ShowManual(parent_.get(), 1, path());
    EXPECT_TRUE(message.contains("manual.txt")) << message.toStdString();
    EXPECT_EQ(window(), nullptr);
}

TEST_F(ManualWindowTest, AFileOfTwoMiBIsCutAtOneMiB) {
    QByteArray bytes;
    for (int i = 0; bytes.size() < 2 * kManualLimit; ++i) {
        bytes += "Line " + QByteArray::number(i).rightJustified(8, '0') + QByteArray(50, '.') + '\n';
    }
    write(bytes);
    ShowManual(parent_.get(), 1, path());
    const QString text = shownText();
    EXPECT_TRUE(text.startsWith(QString::fromLatin1(bytes.left(kManualLimit))));
    EXPECT_FALSE(text.contains(QString::fromLatin1(bytes.mid(kManualLimit, 200))));
    EXPECT_LT(text.size(), kManualLimit + 200);
    EXPECT_TRUE(text.contains("1 MiB")) << "no word of the cut at the end";
}

// The cut falls inside a two-byte character: the rest is still read as UTF-8.
TEST_F(ManualWindowTest, ACutThroughACharacterKeepsTheTextUtf8) {
    QByteArray bytes(kManualLimit - 1, 'a');
    bytes += "\xc3\xa5 and more";
    write(bytes);
    ShowManual(parent_.get(), 1, path());
    const QString text = shownText();
    EXPECT_TRUE(text.startsWith(QString(kManualLimit - 1, 'a')));
    EXPECT_FALSE(text.contains(QChar(0xC3))) << "read as Latin-1";
}

TEST_F(ManualWindowTest, TextThatIsNotUtf8IsReadAsLatin1) {
    write("K\xe5re\n");
    ShowManual(parent_.get(), 1, path());
    EXPECT_EQ(shownText(), QString::fromUtf8("K\u00e5re\n"));
}

TEST_F(ManualWindowTest, Utf8TextIsReadAsUtf8) {
    write("K\xc3\xa5re \xe2\x82\xac\r\n");
    ShowManual(parent_.get(), 1, path());
    EXPECT_EQ(shownText(), QString::fromUtf8("K\u00e5re \u20ac\n"));
}

TEST_F(ManualWindowTest, TheWindowIsNotModal) {
    write("text\n");
    ShowManual(parent_.get(), 1, path());
    ASSERT_NE(window(), nullptr);
    EXPECT_FALSE(window()->isModal());
    EXPECT_EQ(window()->windowModality(), Qt::NonModal);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // The main window still takes clicks.
    auto* button = new QPushButton("lever", parent_.get());
    button->show();
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ManualWindowTest, OpensAtTheMainWindowsCornerPlus87Pixels) {
    write("text\n");
    ShowManual(parent_.get(), 1, path());
    ASSERT_NE(window(), nullptr);
    EXPECT_EQ(window()->pos(), QPoint(187, 137));
}

TEST_F(ManualWindowTest, TheOffsetGrowsWithTheScale) {
    write("text\n");
    ShowManual(parent_.get(), 3, path());
    ASSERT_NE(window(), nullptr);
    EXPECT_EQ(window()->pos(), QPoint(361, 311));
}

}  // namespace
}  // namespace fw
