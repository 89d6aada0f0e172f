// The manual window: the file read afresh at every call, in one modeless window.
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

class ManualWindow : public ::testing::Test {
protected:
    void Show(const QByteArray& bytes) {
        QFile file(dir_.filePath("manual.txt"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        ShowManual(parent_.get(), 1, dir_.filePath("manual.txt"));
    }
    QDialog* Window() const { return parent_->findChild<QDialog*>("frmManual"); }
    QString Text() const { return Window()->findChild<QPlainTextEdit*>("txtManual")->toPlainText(); }
    QTemporaryDir dir_;
    std::unique_ptr<QWidget> parent_ = test::MainWindowAt(100, 50);
};

TEST_F(ManualWindow, ShowsTheFileAfreshInOneWindowThatLeavesTheMachinePlayable) {
    Show("FRUITWHIRL\n\nDrag a coin onto the slot.\n");
    QDialog* first = Window();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->windowTitle() == "Fruitwhirl Manual" && !first->isModal() &&
                !QApplication::activeModalWidget());
    EXPECT_EQ(Text(), "FRUITWHIRL\n\nDrag a coin onto the slot.\n");
    Show("K\xc3\xa5re \xe2\x82\xac\r\n");  // UTF-8
    EXPECT_EQ(Window(), first);
    EXPECT_EQ(Text(), QString::fromUtf8("K\u00e5re \u20ac\n"));
    Show("K\xe5re\n");  // not UTF-8: Latin-1
    EXPECT_EQ(Text(), QString::fromUtf8("K\u00e5re\n"));
    QByteArray big(kManualLimit - 1, 'a');
    big += "\xc3\xa5" + QByteArray(kManualLimit, 'b');  // cut after 1 MiB, inside a character
    Show(big);
    EXPECT_TRUE(Text().startsWith(QString(kManualLimit - 1, 'a')) && Text().contains("1 MiB"));
    EXPECT_FALSE(Text().contains("bbb") || Text().contains(QChar(0xC3)));
    QTest::mouseClick(Window()->findChild<QPushButton*>("cmdQuit"), Qt::LeftButton);
    EXPECT_FALSE(Window() && Window()->isVisible());
}

TEST_F(ManualWindow, AMissingFileGivesAMessageAndNoWindow) {
    QString message;
    test::WhenModal([&](QWidget* d) {
        auto* box = qobject_cast<QMessageBox*>(d);
        ASSERT_NE(box, nullptr);
        message = box->text();
        box->close();
    });
    ShowManual(parent_.get(), 1, dir_.filePath("manual.txt"));
    EXPECT_TRUE(message.contains("manual.txt")) << message.toStdString();
    EXPECT_EQ(Window(), nullptr);
}

}  // namespace
}  // namespace fw
