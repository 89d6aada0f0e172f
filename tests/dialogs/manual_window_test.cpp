#include <gtest/gtest.h>

#include <QDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "../platform/files.h"
#include "frontend/qt/dialogs/dialogs.h"
#include "modal.h"

namespace fw {
namespace {

TEST(ManualWindow, AMissingFileGivesAMessageAnyOtherIsShownAfreshInOneModelessWindow) {
    QTemporaryDir dir;
    const QString path = dir.filePath("manual.txt");
    auto parent = test::MainWindowAt(100, 50);
    const auto window = [&] { return parent->findChild<QDialog*>("frmManual"); };
    QString message;
    test::WhenModal([&](QWidget* d) {
        if (auto* box = qobject_cast<QMessageBox*>(d)) message = box->text();
        d->close();
    });
    ShowManual(parent.get(), 1, path);
    EXPECT_TRUE(message.contains("manual.txt")) << message.toStdString();
    EXPECT_EQ(window(), nullptr);

    const auto show = [&](const QByteArray& bytes) {
        EXPECT_TRUE(test::Write(path, bytes));
        ShowManual(parent.get(), 1, path);
        return window() ? window()->findChild<QPlainTextEdit*>("txtManual")->toPlainText() : QString();
    };
    EXPECT_EQ(show("FRUITWHIRL\n\nDrag a coin.\n"), "FRUITWHIRL\n\nDrag a coin.\n");
    QDialog* first = window();
    EXPECT_TRUE(first->windowTitle() == "Fruitwhirl Manual" && !first->isModal() &&
                !QApplication::activeModalWidget());
    EXPECT_EQ(show("K\xc3\xa5re \xe2\x82\xac\r\n"), QString::fromUtf8("K\u00e5re \u20ac\n"));  // UTF-8
    EXPECT_EQ(show("K\xe5re\n"), QString::fromUtf8("K\u00e5re\n"));  // not UTF-8: Latin-1
    EXPECT_EQ(window(), first);
    QByteArray big(kManualLimit - 1, 'a');
    big += "\xc3\xa5" + QByteArray(kManualLimit, 'b');  // cut after 1 MiB, inside a character
    const QString cut = show(big);
    EXPECT_TRUE(cut.startsWith(QString(kManualLimit - 1, 'a')) && cut.contains("1 MiB"));
    EXPECT_FALSE(cut.contains("bbb") || cut.contains(QChar(0xC3)));
    QTest::mouseClick(first->findChild<QPushButton*>("cmdQuit"), Qt::LeftButton);
    EXPECT_FALSE(window() && window()->isVisible());
}

}  // namespace
}  // namespace fw
