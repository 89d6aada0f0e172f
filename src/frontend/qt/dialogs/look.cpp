#include "frontend/qt/dialogs/look.h"

#include <QAbstractButton>
#include <QIcon>
#include <QImage>
#include <QPalette>
#include <QPixmap>
#include <QSlider>
#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "frontend/qt/embedded.h"

namespace fw {
namespace {

// The browser edition's dialog colours (fruitwhirl.css).
const QColor kGround(0x28, 0x18, 0x28);
const QColor kText(0xF0, 0xE0, 0xA0);
const QColor kGold(0xC0, 0x90, 0x40);
const QColor kHeading(0xFF, 0xD0, 0x60);
const QColor kButton(0x40, 0x28, 0x38);
const QColor kDisabled(0x80, 0x68, 0x50);
// A shade darker than the ground: the name box and the shadows.
const QColor kField(0x1C, 0x10, 0x1C);

QPalette CabinetPalette() {
    QPalette palette;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool disabled = group == QPalette::Disabled;
        const QColor text = disabled ? kDisabled : kText;
        palette.setColor(group, QPalette::Window, kGround);
        palette.setColor(group, QPalette::WindowText, text);
        palette.setColor(group, QPalette::Base, disabled ? kGround : kButton);
        palette.setColor(group, QPalette::AlternateBase, kButton);
        palette.setColor(group, QPalette::Text, text);
        palette.setColor(group, QPalette::PlaceholderText, kDisabled);
        palette.setColor(group, QPalette::Button, kButton);
        palette.setColor(group, QPalette::ButtonText, text);
        palette.setColor(group, QPalette::BrightText, kHeading);
        // Dark text on gold: the selection, the slider's filled groove, the focus.
        palette.setColor(group, QPalette::Highlight, disabled ? kDisabled : kGold);
        palette.setColor(group, QPalette::HighlightedText, kGround);
        palette.setColor(group, QPalette::Link, kHeading);
        palette.setColor(group, QPalette::LinkVisited, kHeading);
        // The bevels and lines: gold lights, plum shadows.
        palette.setColor(group, QPalette::Light, kGold);
        palette.setColor(group, QPalette::Midlight, kDisabled);
        palette.setColor(group, QPalette::Mid, kDisabled);
        palette.setColor(group, QPalette::Dark, kField);
        palette.setColor(group, QPalette::Shadow, Qt::black);
    }
    return palette;
}

// What a palette cannot say: the gold frames, the buttons and the headings.
QString CabinetSheet() {
    return QStringLiteral(
               "QDialog { border: 2px solid %3; }"
               "QPushButton { background: %1; color: %2; border: 1px solid %3; padding: 3px 12px;"
               " min-width: 4em; }"
               "QPushButton:default, QPushButton:focus { border-color: %4; }"
               "QPushButton:hover { background: #583848; }"
               "QPushButton:pressed { background: %5; }"
               "QPushButton:disabled { color: %6; border-color: %6; }"
               "QTableWidget, QPlainTextEdit, QTabWidget::pane { border: 1px solid %3; }"
               "QLineEdit { background: %7; border: 1px solid %3; padding: 2px; }"
               "QHeaderView::section { background: %1; color: %4; font-weight: bold; border: 0;"
               " border-bottom: 2px solid %3; padding: 2px 6px; }"
               "QGroupBox::title { color: %4; }")
        .arg(kButton.name(), kText.name(), kGold.name(), kHeading.name(), kGround.name(), kDisabled.name(),
             kField.name());
}

// The generated picture of a message box's kind; null for a box without one.
QImage MessagePicture(QMessageBox::Icon icon) {
    const char* name = icon == QMessageBox::Warning    ? "box-warning"
                       : icon == QMessageBox::Critical ? "box-error"
                       : icon == QMessageBox::NoIcon   ? nullptr
                                                       : "box-information";
    QImage picture;
    if (name) {
        const auto bytes = Embedded(name);
        picture.loadFromData(bytes.data(), static_cast<int>(bytes.size()));
    }
    return picture;
}

}  // namespace

QPixmap WholeScaled(const QImage& picture, int times, qreal deviceRatio) {
    const int device = std::max(1, static_cast<int>(std::lround(times * deviceRatio)));
    QPixmap pixmap = QPixmap::fromImage(
        picture.scaled(picture.size() * device, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    pixmap.setDevicePixelRatio(deviceRatio);
    return pixmap;
}

void ApplyCabinetLook(QWidget* window) {
    window->setStyleSheet(CabinetSheet());
    // The style sheet hands each widget it polishes the palette that widget holds, not the
    // window's: every widget holds the cabinet's.
    const QPalette palette = CabinetPalette();
    window->setPalette(palette);
    for (QWidget* part : window->findChildren<QWidget*>()) part->setPalette(palette);
    // The style draws a slider's ticks and groove a shade below its window colour: brown, so
    // that they show on the plum.
    QPalette slider = palette;
    slider.setColor(QPalette::Window, kDisabled);
    for (QSlider* part : window->findChildren<QSlider*>()) part->setPalette(slider);
    auto* box = qobject_cast<QMessageBox*>(window);
    if (!box) return;
    // Words only on the buttons, as in the cabinet's other windows: no style icon on "OK".
    for (QAbstractButton* button : box->buttons()) button->setIcon(QIcon());
    const QImage picture = MessagePicture(box->icon());
    if (picture.isNull()) return;
    // As large as the style's icons, to the nearest whole number of the picture's pixels.
    const int size = box->style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, box);
    const int times = std::max(1, static_cast<int>(std::lround(size / double(picture.width()))));
    box->setIconPixmap(WholeScaled(picture, times, box->devicePixelRatioF()));
}

void ShowCabinetMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text) {
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    ApplyCabinetLook(&box);
    box.exec();
}

void ApplyCaptionLook(QWidget* line, int pixelSize, int margin) {
    line->setStyleSheet(QString("QLabel { background: %1; color: %2; border-top: 1px solid %3; "
                                "padding: 0 %4px; font-size: %5px; }")
                            .arg(kGround.name(), kText.name(), kGold.name())
                            .arg(margin)
                            .arg(pixelSize));
}

}  // namespace fw
