// The About window and the manual window.
#include <gtest/gtest.h>

#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "frontend/qt/dialogs/dialogs.h"
#include "modal.h"

namespace fw {
namespace {

TEST(AboutDialog, ShowsTheVersionAndItsPicturesOpenTheAddresses) {
    std::vector<QUrl> opened;
    SetUrlOpener([&](const QUrl& url) { opened.push_back(url); });
    for (bool pictures : {true, false}) {
        opened.clear();
        auto parent = test::MainWindowAt(100, 50);
        test::WhenModal([&](QWidget* d) {
            EXPECT_EQ(d->windowTitle(), "About Fruitwhirl");
            EXPECT_TRUE(static_cast<QDialog*>(d)->isModal());
            EXPECT_TRUE(d->findChild<QLabel*>("lblText")->text().startsWith("Version 5.1"));
            auto* mail = d->findChild<QLabel*>("imgMail");
            auto* web = d->findChild<QLabel*>("imgWeb");
            ASSERT_TRUE(mail && web);
            EXPECT_EQ(mail->pixmap().isNull(), !pictures);
            if (!pictures) EXPECT_EQ(web->text(), "homepage");
            QTest::mouseClick(mail, Qt::LeftButton);
            QTest::mouseClick(web, Qt::RightButton);  // only a left click opens anything
            QTest::mouseClick(web, Qt::LeftButton);
            EXPECT_TRUE(d->isVisible());
            QTest::mouseClick(d->findChild<QPushButton*>("cmdOk"), Qt::LeftButton);
        });
        QPixmap picture(48, 32);
        picture.fill(Qt::blue);
        if (pictures)
            RunAboutDialog(parent.get(), 1, "5.1", picture, picture, picture);
        else
            RunAboutDialog(parent.get(), 1, "5.1", QPixmap(), QPixmap(), QPixmap());
        ASSERT_EQ(opened.size(), 2u);
        EXPECT_EQ(opened[0], QUrl(kMailAddress));
        EXPECT_EQ(opened[1], QUrl(kHomepage));
    }
    SetUrlOpener({});
}

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
    ASSERT_NE(Window(), nullptr);
    QDialog* first = Window();
    EXPECT_EQ(first->windowTitle(), "Fruitwhirl Manual");
    EXPECT_EQ(Text(), "FRUITWHIRL\n\nDrag a coin onto the slot.\n");
    EXPECT_FALSE(first->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    Show("K\xc3\xa5re \xe2\x82\xac\r\n");  // UTF-8
    EXPECT_EQ(Window(), first);
    EXPECT_EQ(Text(), QString::fromUtf8("K\u00e5re \u20ac\n"));
    Show("K\xe5re\n");  // not UTF-8: Latin-1
    EXPECT_EQ(Text(), QString::fromUtf8("K\u00e5re\n"));
    QByteArray big(kManualLimit - 1, 'a');
    big += "\xc3\xa5" + QByteArray(kManualLimit, 'b');  // cut after 1 MiB, inside a character
    Show(big);
    EXPECT_TRUE(Text().startsWith(QString(kManualLimit - 1, 'a')));
    EXPECT_FALSE(Text().contains("bbb"));
    EXPECT_FALSE(Text().contains(QChar(0xC3)));
    EXPECT_TRUE(Text().contains("1 MiB"));
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
