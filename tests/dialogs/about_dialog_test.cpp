// frmAbout: its texts, its two clickable pictures and where it opens.
#include <gtest/gtest.h>

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <vector>

#include "frontend/qt/dialogs/dialogs.h"
#include "modal.h"

namespace fw {
namespace {

using test::MainWindowAt;
using test::WhenModal;

QPixmap Picture(int w, int h, Qt::GlobalColor colour) {
    QPixmap picture(w, h);
    picture.fill(colour);
    return picture;
}

// Records the addresses instead of opening them, for the length of one test.
class RecordedUrls {
public:
    RecordedUrls() {
        SetUrlOpener([this](const QUrl& url) { urls.push_back(url); });
    }
    ~RecordedUrls() { SetUrlOpener({}); }
    std::vector<QUrl> urls;
};

void RunAbout(std::function<void(QWidget*)> body, bool withPictures = true, int scale = 1) {
    auto parent = MainWindowAt(100, 50);
    WhenModal(std::move(body));
    if (withPictures) {
        RunAboutDialog(parent.get(), scale, "5.1", Picture(64, 64, Qt::darkGreen), Picture(48, 32, Qt::blue),
                       Picture(48, 32, Qt::red));
    } else {
        RunAboutDialog(parent.get(), scale, "5.1", QPixmap(), QPixmap(), QPixmap());
    }
}

QLabel* Label(QWidget* d, const char* name) {
    QLabel* label = d->findChild<QLabel*>(QLatin1String(name));
    EXPECT_NE(label, nullptr) << "no " << name;
    return label;
}

TEST(AboutDialog, ShowsTheTitleTheVersionAndTheNotice) {
    RunAbout([](QWidget* d) {
        EXPECT_EQ(d->windowTitle(), "About Fruitwhirl");
        EXPECT_TRUE(static_cast<QDialog*>(d)->isModal());
        EXPECT_EQ(Label(d, "lblTitle")->text(), "Fruitwhirl");
        EXPECT_EQ(Label(d, "lblTitle")->font().styleHint(), QFont::Serif);
        const QString text = Label(d, "lblText")->text();
        EXPECT_TRUE(text.startsWith("Version 5.1")) << text.toStdString();
        EXPECT_GT(text.size(), QString("Version 5.1").size() + 10) << "no notice line";
        EXPECT_NE(d->findChild<QFrame*>("Line1"), nullptr);
        EXPECT_NE(d->findChild<QFrame*>("Line2"), nullptr);
        EXPECT_FALSE(Label(d, "imgLogo")->pixmap().isNull());
        QPushButton* ok = d->findChild<QPushButton*>("cmdOk");
        ASSERT_NE(ok, nullptr);
        EXPECT_EQ(ok->text(), "&Ok");
        QTest::mouseClick(ok, Qt::LeftButton);
        EXPECT_FALSE(d->isVisible());
    });
}

TEST(AboutDialog, ThePicturesHaveTheirTooltips) {
    RunAbout([](QWidget* d) {
        EXPECT_EQ(Label(d, "imgMail")->toolTip(), "Our E-mail Address !");
        EXPECT_EQ(Label(d, "imgWeb")->toolTip(), "Our Homepage !");
        d->close();
    });
}

void ExpectClicksOpenTheAddresses(bool withPictures) {
    RecordedUrls opened;
    RunAbout(
        [&](QWidget* d) {
            QLabel* mail = Label(d, "imgMail");
            QLabel* web = Label(d, "imgWeb");
            ASSERT_TRUE(mail && web);
            EXPECT_EQ(mail->pixmap().isNull(), !withPictures);
            EXPECT_EQ(web->pixmap().isNull(), !withPictures);
            if (!withPictures) {
                EXPECT_EQ(mail->text(), "e-mail");
                EXPECT_EQ(web->text(), "homepage");
            }
            EXPECT_TRUE(mail->isVisible() && mail->width() > 8 && mail->height() > 8);
            EXPECT_TRUE(web->isVisible() && web->width() > 8 && web->height() > 8);

            QTest::mouseClick(mail, Qt::LeftButton);
            ASSERT_EQ(opened.urls.size(), 1u);
            EXPECT_EQ(opened.urls[0].scheme(), "mailto");
            EXPECT_TRUE(d->isVisible());
            EXPECT_EQ(QApplication::activeModalWidget(), d);

            QTest::mouseClick(web, Qt::LeftButton);
            ASSERT_EQ(opened.urls.size(), 2u);
            EXPECT_TRUE(opened.urls[1].scheme() == "https" || opened.urls[1].scheme() == "http");
            EXPECT_FALSE(opened.urls[1].host().isEmpty());
            EXPECT_TRUE(d->isVisible());

            // Only a left click opens anything.
            QTest::mouseClick(web, Qt::RightButton);
            EXPECT_EQ(opened.urls.size(), 2u);
            d->close();
        },
        withPictures);
}

TEST(AboutDialog, ClickingThePicturesOpensTheAddressesAndTheWindowStaysOpen) {
    ExpectClicksOpenTheAddresses(true);
}

TEST(AboutDialog, WithoutPicturesTextLinksTakeTheirPlace) {
    ExpectClicksOpenTheAddresses(false);
}

TEST(AboutDialog, OpensAtTheMainWindowsCornerPlus40And87Pixels) {
    QPoint at;
    RunAbout([&](QWidget* d) {
        at = d->pos();
        d->close();
    });
    EXPECT_EQ(at, QPoint(140, 137));
}

TEST(AboutDialog, TheOffsetGrowsWithTheScale) {
    QPoint at;
    RunAbout(
        [&](QWidget* d) {
            at = d->pos();
            d->close();
        },
        true, 3);
    EXPECT_EQ(at, QPoint(220, 311));
}

}  // namespace
}  // namespace fw
