// frmManual: the text of manual.txt in a window beside the machine, which stays playable.
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStringDecoder>
#include <QVBoxLayout>
#include <optional>

#include "frontend/qt/dialogs/dialogs.h"
#include "frontend/qt/dialogs/look.h"
#include "frontend/qt/dialogs/placement.h"

namespace fw {
namespace {

// Drops a UTF-8 sequence that the cut at the size limit left incomplete at the end of the bytes.
QByteArray WithoutBrokenUtf8Tail(QByteArray bytes) {
    qsizetype lead = bytes.size() - 1;
    int continuations = 0;
    while (lead >= 0 && continuations < 3 && (static_cast<uchar>(bytes[lead]) & 0xC0) == 0x80) {
        --lead;
        ++continuations;
    }
    if (lead < 0) return bytes;
    const auto first = static_cast<uchar>(bytes[lead]);
    const int length = first >= 0xF0 ? 4 : first >= 0xE0 ? 3 : first >= 0xC0 ? 2 : 1;
    if (length > continuations + 1) bytes.truncate(lead);
    return bytes;
}

// UTF-8 when the bytes are valid UTF-8 (a character the cut broke at the end does not count),
// otherwise Latin-1.
QString DecodeManual(const QByteArray& bytes, bool cut) {
    const QByteArray whole = cut ? WithoutBrokenUtf8Tail(bytes) : bytes;
    QString text = IsUtf8(whole) ? QString::fromUtf8(whole) : QString::fromLatin1(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

// The whole text of the manual file, or nullopt with the reason in `problem`.
std::optional<QString> ReadManual(const QString& path, QString& problem) {
    const QFileInfo info(path);
    if (!info.exists()) {
        problem = QCoreApplication::translate("manual window", "The file does not exist.");
        return std::nullopt;
    }
    if (!info.isFile()) {
        problem = QCoreApplication::translate("manual window", "It is not a text file.");
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problem = file.errorString() + QLatin1Char('.');
        return std::nullopt;
    }
    // Opened, read whole (up to the limit) and closed in one step.
    QByteArray bytes = file.read(kManualLimit + 1);
    if (file.error() != QFileDevice::NoError) {
        problem = file.errorString() + QLatin1Char('.');
        return std::nullopt;
    }
    file.close();
    const bool cut = bytes.size() > kManualLimit;
    if (cut) bytes.truncate(kManualLimit);
    QString text = DecodeManual(bytes, cut);
    if (cut) {
        if (!text.endsWith(QLatin1Char('\n'))) text += QLatin1Char('\n');
        text += QCoreApplication::translate(
            "manual window", "\n[The file is longer than 1 MiB: only its first 1 MiB is shown here.]\n");
    }
    return text;
}

class ManualWindow : public QDialog {
public:
    explicit ManualWindow(QWidget* parent);
    void setManualText(const QString& text) { txtManual_->setPlainText(text); }

protected:
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::LanguageChange) nameParts();
        QDialog::changeEvent(event);
    }

private:
    // The title and the button in the player's language.
    void nameParts() {
        setWindowTitle(QCoreApplication::translate("manual window", "Fruitwhirl Manual"));
        cmdQuit_->setText(QCoreApplication::translate("manual window", "&Close"));
    }
    QPlainTextEdit* txtManual_;
    QPushButton* cmdQuit_;
};

ManualWindow::ManualWindow(QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmManual"));
    setModal(false);

    txtManual_ = new QPlainTextEdit(this);
    txtManual_->setObjectName(QStringLiteral("txtManual"));
    txtManual_->setReadOnly(true);
    txtManual_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtManual_->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtManual_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    // "Close", as in the odds window: "Quit" would read as quitting the game.
    auto* cmdQuit = cmdQuit_ = new QPushButton(this);
    cmdQuit->setObjectName(QStringLiteral("cmdQuit"));
    cmdQuit->setDefault(true);
    connect(cmdQuit, &QPushButton::clicked, this, &QDialog::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdQuit);
    nameParts();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtManual_);
    layout->addLayout(buttons);

    // Room for 80 columns and about 30 lines, within the screen.
    const QFontMetrics metrics(txtManual_->font());
    QSize size(metrics.horizontalAdvance(QString(82, QLatin1Char('M'))) + 40,
               metrics.lineSpacing() * 30 + 80);
    if (const QScreen* screen = parent ? parent->screen() : nullptr) {
        size = size.boundedTo(screen->availableSize() * 9 / 10);
    }
    resize(size);
    ApplyCabinetLook(this);
}

QPointer<ManualWindow>& TheManualWindow() {
    static QPointer<ManualWindow> window;
    return window;
}

}  // namespace

bool IsUtf8(QByteArrayView bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    [[maybe_unused]] const QString text = utf8.decode(bytes);
    return !utf8.hasError();
}

void ShowManual(QWidget* parent, int /*scale*/, const QString& path) {
    QString problem;
    const std::optional<QString> text = ReadManual(path, problem);
    if (!text) {
        ShowCabinetMessage(parent, QMessageBox::Warning,
                           QCoreApplication::translate("manual window", "Fruitwhirl Manual"),
                           QCoreApplication::translate(
                               "manual window", "The manual cannot be shown: \"%1\" cannot be read.\n%2")
                               .arg(QDir::toNativeSeparators(path), problem));
        return;
    }
    QPointer<ManualWindow>& window = TheManualWindow();
    QWidget* owner = parent ? parent->window() : nullptr;
    if (window && window->parentWidget() != owner) delete window;
    if (!window) window = new ManualWindow(owner);
    window->setManualText(*text);
    // Like a window opened afresh: placed when it is not on the screen, left where it is otherwise.
    // Beside the machine, so that the reels and the lever stay in view.
    ShowBesideMachine(window, owner);
}

}  // namespace fw
