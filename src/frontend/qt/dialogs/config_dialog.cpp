// frmConfig: the speed of the reels, the player's name, sound effects on or off with their volume
// and a reset of the high-score list, on four tabbed pages.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "edition/language.h"
#include "edition/page_contract.h"
#include "frontend/qt/dialogs/dialogs.h"
#include "frontend/qt/dialogs/look.h"
#include "frontend/qt/dialogs/placement.h"
#include "machine/cells.h"
#include "machine/types.h"

namespace fw {
namespace {

// 600 and 1200 twips below and right of the main window's corner, at 15 twips a pixel.
constexpr QPoint kConfigOffset(40, 80);
// The name's preview: each pixel of the machine three pixels square.
constexpr int kPreviewScale = 3;

// One caption with "Slow" at its left end and "Fast" at its right end, as wide as the slider under it.
// The text keeps the whole caption (the two words 44 spaces apart) for screen readers.
class SpeedLabel : public QLabel {
public:
    explicit SpeedLabel(QWidget* parent) : QLabel(parent) {
        setText(QCoreApplication::translate("config", "Slow") + QString(44, QLatin1Char(' ')) +
                QCoreApplication::translate("config", "Fast"));
    }
    QSize sizeHint() const override {
        const QFontMetrics metrics(font());
        return {metrics.horizontalAdvance(QCoreApplication::translate("config", "Slow Fast")) +
                    8 * metrics.averageCharWidth(),
                metrics.height()};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QRect area = contentsRect();
        style()->drawItemText(&painter, area, Qt::AlignLeft | Qt::AlignVCenter, palette(), isEnabled(),
                              QCoreApplication::translate("config", "Slow"), foregroundRole());
        style()->drawItemText(&painter, area, Qt::AlignRight | Qt::AlignVCenter, palette(), isEnabled(),
                              QCoreApplication::translate("config", "Fast"), foregroundRole());
    }
};

// The name box selects, whenever it gets the focus, as many characters from its start as the name
// that the dialog opened with, so that typing replaces the loaded name. A click into the box selects
// them when the button comes up, unless the click itself dragged out a selection.
class NameEdit : public QLineEdit {
public:
    NameEdit(int loadedLength, QWidget* parent) : QLineEdit(parent), loadedLength_(loadedLength) {}

protected:
    void focusInEvent(QFocusEvent* event) override {
        QLineEdit::focusInEvent(event);
        selectLoadedName();
        selectOnRelease_ = event->reason() == Qt::MouseFocusReason;
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        QLineEdit::mouseReleaseEvent(event);
        if (selectOnRelease_ && !hasSelectedText()) selectLoadedName();
        selectOnRelease_ = false;
    }

private:
    void selectLoadedName() {
        const int count = std::min(loadedLength_, static_cast<int>(text().length()));
        if (count > 0) {
            setSelection(0, count);
        } else {
            deselect();
        }
    }

    int loadedLength_;
    bool selectOnRelease_ = false;
};

class ConfigDialog : public QDialog {
public:
    ConfigDialog(QWidget* parent, const ConfigValues& values);
    // The values of the controls, as "&Ok" hands them back.
    void apply(ConfigValues& values) const;

private:
    QWidget* page(const char* name);
    QWidget* speedPage(int speed);
    QWidget* namePage(const QString& name);
    QWidget* soundPage(const ConfigValues& values);
    void showPreview(const QString& name);
    QWidget* resetPage();
    QWidget* languagePage(int language);
    QHBoxLayout* buttons();

    QTabWidget* tabConfig_;
    QSlider* scrSpeed_;
    QLineEdit* txtYourName_;
    QCheckBox* chkSound_;
    QSlider* scrVolume_;
    QCheckBox* chkResetHigh_;
    QComboBox* cboLanguage_;
    QLabel* lblPreview_;
    QLabel* imgPreview_;
    std::function<Surface(const std::string&)> namePreview_;
};

ConfigDialog::ConfigDialog(QWidget* parent, const ConfigValues& values)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      namePreview_(values.namePreview) {
    setObjectName(QStringLiteral("frmConfig"));
    setWindowTitle(QCoreApplication::translate("config", "Configuration"));

    tabConfig_ = new QTabWidget(this);
    tabConfig_->setObjectName(QStringLiteral("tabConfig"));
    tabConfig_->addTab(speedPage(values.speed), QCoreApplication::translate("config", "Speed"));
    tabConfig_->setTabToolTip(0, QCoreApplication::translate("config", "Change Wheel Speed"));
    tabConfig_->addTab(namePage(QString::fromStdString(values.name)),
                       QCoreApplication::translate("config", "Name"));
    tabConfig_->setTabToolTip(1, QCoreApplication::translate("config", "Insert Your Name"));
    tabConfig_->addTab(soundPage(values), QCoreApplication::translate("config", "Sound Fx"));
    tabConfig_->setTabToolTip(2, QCoreApplication::translate("config", "Sound fx On/Off and Volume"));
    tabConfig_->addTab(resetPage(), QCoreApplication::translate("config", "Highscore"));
    tabConfig_->setTabToolTip(3, QCoreApplication::translate("config", "Reset Highscore"));
    tabConfig_->addTab(languagePage(values.language), QCoreApplication::translate("config", "Language"));
    tabConfig_->setTabToolTip(4,
                              QCoreApplication::translate("config", "The Language of the Menus and Windows"));
    tabConfig_->setCurrentIndex(0);
    tabConfig_->setUsesScrollButtons(false);  // all five tabs in view

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabConfig_);
    layout->addLayout(buttons());
    layout->setSizeConstraint(QLayout::SetFixedSize);  // a fixed dialog border
    ApplyCabinetLook(this);
}

// Page 1: the speed, slow on the left and fast on the right.
QWidget* ConfigDialog::speedPage(int speed) {
    QWidget* speedPage = page("TabContainer0");
    auto* lblSpeed = new SpeedLabel(speedPage);
    lblSpeed->setObjectName(QStringLiteral("lblSpeed"));
    scrSpeed_ = new QSlider(Qt::Horizontal, speedPage);
    scrSpeed_->setObjectName(QStringLiteral("scrSpeed"));
    scrSpeed_->setRange(0, 100);
    scrSpeed_->setSingleStep(1);
    scrSpeed_->setPageStep(10);
    scrSpeed_->setTickPosition(QSlider::TicksBelow);
    scrSpeed_->setTickInterval(10);
    scrSpeed_->setValue(SpeedSlider(speed));
    lblSpeed->setBuddy(scrSpeed_);
    auto* speedLayout = new QVBoxLayout(speedPage);
    speedLayout->addStretch(1);
    speedLayout->addWidget(lblSpeed);
    speedLayout->addWidget(scrSpeed_);
    speedLayout->addStretch(1);
    return speedPage;
}

// Page 2: the player's name.
QWidget* ConfigDialog::namePage(const QString& name) {
    QWidget* namePage = page("TabContainer1");
    auto* lblName = new QLabel(QCoreApplication::translate("config", "Enter Your Name Here:"), namePage);
    lblName->setObjectName(QStringLiteral("lblName"));
    txtYourName_ = new NameEdit(static_cast<int>(name.length()), namePage);
    txtYourName_->setObjectName(QStringLiteral("txtYourName"));
    txtYourName_->setMaxLength(static_cast<int>(kNameLength));
    txtYourName_->setText(name);
    txtYourName_->setMinimumWidth(txtYourName_->fontMetrics().horizontalAdvance(QLatin1Char('W')) *
                                  (static_cast<int>(kNameLength) + 2));
    lblName->setBuddy(txtYourName_);
    // A name holding letters the machine's font has not: the name as the machine will draw it.
    lblPreview_ = new QLabel(QCoreApplication::translate("config", "The machine shows it as:"), namePage);
    lblPreview_->setObjectName(QStringLiteral("lblPreview"));
    imgPreview_ = new QLabel(namePage);
    imgPreview_->setObjectName(QStringLiteral("imgPreview"));
    imgPreview_->setFixedSize(kPreviewScale * (kGlyphPitch * static_cast<int>(kNameLength) + 1),
                              kPreviewScale * 9);
    for (QLabel* label : {lblPreview_, imgPreview_}) {
        QSizePolicy policy = label->sizePolicy();
        policy.setRetainSizeWhenHidden(true);  // the page keeps its size as the preview comes and goes
        label->setSizePolicy(policy);
    }
    connect(txtYourName_, &QLineEdit::textChanged, this, [this](const QString& text) { showPreview(text); });
    showPreview(name);
    auto* nameLayout = new QVBoxLayout(namePage);
    nameLayout->addStretch(1);
    nameLayout->addWidget(lblName);
    nameLayout->addWidget(txtYourName_);
    nameLayout->addWidget(lblPreview_);
    nameLayout->addWidget(imgPreview_);
    nameLayout->addStretch(1);
    return namePage;
}

void ConfigDialog::showPreview(const QString& name) {
    const Surface preview = namePreview_ ? namePreview_(name.toStdString()) : Surface{};
    lblPreview_->setVisible(!preview.empty());
    imgPreview_->setVisible(!preview.empty());
    if (preview.empty()) return;
    QImage image(preview.width(), preview.height(), QImage::Format_RGB32);
    for (int y = 0; y < preview.height(); ++y)
        for (int x = 0; x < preview.width(); ++x) image.setPixel(x, y, 0xFF000000u | preview.pixel(x, y));
    // Whole pixels of the machine, as its window shows them.
    imgPreview_->setPixmap(QPixmap::fromImage(
        image.scaled(image.size() * kPreviewScale, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
}

// Page 3: sound effects and their volume. Without a sound device both show the stored choice,
// greyed, with a note: the choice is kept for the next start with a device.
QWidget* ConfigDialog::soundPage(const ConfigValues& values) {
    QWidget* soundPage = page("TabContainer2");
    chkSound_ = new QCheckBox(QCoreApplication::translate("config", "Sound Effects On/Off"), soundPage);
    chkSound_->setObjectName(QStringLiteral("chkSound"));
    chkSound_->setChecked(values.soundOn == 1);
    auto* lblVolume = new QLabel(QCoreApplication::translate("config", "&Volume:"), soundPage);
    lblVolume->setObjectName(QStringLiteral("lblVolume"));
    scrVolume_ = new QSlider(Qt::Horizontal, soundPage);
    scrVolume_->setObjectName(QStringLiteral("scrVolume"));
    scrVolume_->setRange(0, kFullVolume);
    scrVolume_->setSingleStep(kVolumeStep);
    scrVolume_->setPageStep(kVolumeStep);
    scrVolume_->setTickPosition(QSlider::TicksBelow);
    scrVolume_->setTickInterval(kVolumeStep);
    scrVolume_->setValue(values.volume);
    lblVolume->setBuddy(scrVolume_);
    auto* lblPercent = new QLabel(soundPage);
    lblPercent->setObjectName(QStringLiteral("lblVolumePercent"));
    lblPercent->setMinimumWidth(lblPercent->fontMetrics().horizontalAdvance(QStringLiteral("100 %")));
    lblPercent->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const auto showPercent = [lblPercent](int value) {
        lblPercent->setText(QStringLiteral("%1 %").arg(value));
    };
    // The slider moves in steps of 10; a drag or a click stops on one too.
    connect(scrVolume_, &QSlider::valueChanged, scrVolume_, [this](int value) {
        scrVolume_->setValue((value + kVolumeStep / 2) / kVolumeStep * kVolumeStep);
    });
    connect(scrVolume_, &QSlider::valueChanged, lblPercent, showPercent);
    showPercent(values.volume);
    auto* soundLayout = new QGridLayout(soundPage);
    soundLayout->setRowStretch(0, 1);
    soundLayout->addWidget(chkSound_, 1, 0, 1, 3);
    soundLayout->addWidget(lblVolume, 2, 0);
    soundLayout->addWidget(scrVolume_, 2, 1);
    soundLayout->addWidget(lblPercent, 2, 2);
    if (!values.soundAvailable) {
        chkSound_->setEnabled(false);
        for (QWidget* volume : std::initializer_list<QWidget*>{lblVolume, scrVolume_, lblPercent})
            volume->setEnabled(false);
        auto* note =
            new QLabel(QCoreApplication::translate("config",
                                                   "No sound device was found: the game plays silently.\n"
                                                   "This choice is kept for the next start with one."),
                       soundPage);
        note->setObjectName(QStringLiteral("lblNoDevice"));
        soundLayout->addWidget(note, 3, 0, 1, 3);
    }
    soundLayout->setRowStretch(4, 1);
    return soundPage;
}

// Page 4: the reset of the high-score list, unticked at every opening.
QWidget* ConfigDialog::resetPage() {
    QWidget* resetPage = page("TabContainer3");
    chkResetHigh_ =
        new QCheckBox(QCoreApplication::translate("config", "Reset The Highscore List"), resetPage);
    chkResetHigh_->setObjectName(QStringLiteral("chkResetHigh"));
    auto* resetLayout = new QHBoxLayout(resetPage);
    resetLayout->addStretch(1);
    resetLayout->addWidget(chkResetHigh_);
    resetLayout->addStretch(1);
    return resetPage;
}

// Page 5: the language of the menus, the windows and the messages (the machine's own
// picture keeps its words); each language named in its own, the system's first.
QWidget* ConfigDialog::languagePage(int language) {
    QWidget* languagePage = page("TabContainer4");
    auto* lblLanguage = new QLabel(QCoreApplication::translate("config", "&Language:"), languagePage);
    cboLanguage_ = new QComboBox(languagePage);
    cboLanguage_->setObjectName(QStringLiteral("cboLanguage"));
    for (int choice = 0; choice <= kLanguageChoiceLast; ++choice)
        cboLanguage_->addItem(QString::fromStdString(LanguageChoiceName(choice)));
    cboLanguage_->setCurrentIndex(language >= 0 && language <= kLanguageChoiceLast ? language : 0);
    lblLanguage->setBuddy(cboLanguage_);
    auto* languageLayout = new QHBoxLayout(languagePage);
    languageLayout->addStretch(1);
    languageLayout->addWidget(lblLanguage);
    languageLayout->addWidget(cboLanguage_);
    languageLayout->addStretch(1);
    return languagePage;
}

// The buttons: "&Ok" (index 0, pressed by Enter) and "&Cancel" (index 1, also Escape).
QHBoxLayout* ConfigDialog::buttons() {
    auto* ok = new QPushButton(QCoreApplication::translate("config", "&Ok"), this);
    ok->setObjectName(QStringLiteral("cmdButton0"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QCoreApplication::translate("config", "&Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmdButton1"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    return buttons;
}

QWidget* ConfigDialog::page(const char* name) {
    auto* widget = new QWidget(tabConfig_);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

void ConfigDialog::apply(ConfigValues& values) const {
    values.name = txtYourName_->text().toStdString();
    values.soundOn = chkSound_->isChecked() ? 1 : 0;
    values.volume = scrVolume_->value();
    values.speed = SpeedOfSlider(scrSpeed_->value());
    if (chkResetHigh_->isChecked()) values.resetHighScores = true;
    values.language = cboLanguage_->currentIndex();
}

}  // namespace

bool RunConfigDialog(QWidget* parent, int scale, ConfigValues& values) {
    // Made afresh at every opening: both boxes unticked and the first tab in front before the
    // values are loaded.
    QPointer<ConfigDialog> dialog = new ConfigDialog(parent, values);
    dialog->move(DialogPosition(parent, scale, kConfigOffset));
    const int result = dialog->exec();
    if (!dialog) return false;  // the main window went away meanwhile
    const bool ok = result == QDialog::Accepted;
    if (ok) dialog->apply(values);
    delete dialog;
    return ok;
}

}  // namespace fw
