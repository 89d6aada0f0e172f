// frmAbout: the logo, the version, the notice, and a picture for each of the project's addresses the
// build was given (its e-mail address, its homepage), which opens it.
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFont>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "edition/about.h"
#include "frontend/qt/dialogs/dialogs.h"
#include "frontend/qt/dialogs/look.h"
#include "frontend/qt/dialogs/placement.h"

namespace fw {
namespace {

// 600 and 1300 twips below and right of the main window's corner, at 15 twips a pixel.
constexpr QPoint kAboutOffset(40, 87);

UrlOpener& CustomOpener() {
    static UrlOpener opener;
    return opener;
}

// The result is ignored: when no program handles the address, nothing visible happens.
void OpenAddress(const QUrl& url) {
    if (CustomOpener()) {
        CustomOpener()(url);
    } else {
        QDesktopServices::openUrl(url);
    }
}

// A picture that acts on a click of the left button (pressed and released on it). Without a
// picture it shows a text that looks like a link.
class PictureLink : public QLabel {
public:
    PictureLink(const QPixmap& picture, const QString& fallback, QUrl target, QWidget* parent)
        : QLabel(parent), target_(std::move(target)) {
        if (picture.isNull()) {
            setText(fallback);
            QFont underlined = font();
            underlined.setUnderline(true);
            setFont(underlined);
            setForegroundRole(QPalette::Link);
        } else {
            setPixmap(picture);
        }
        setAlignment(Qt::AlignCenter);
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) pressed_ = true;
        event->accept();
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        const bool click = event->button() == Qt::LeftButton && pressed_ && rect().contains(event->pos());
        if (event->button() == Qt::LeftButton) pressed_ = false;
        event->accept();
        if (click) OpenAddress(target_);
    }

private:
    QUrl target_;
    bool pressed_ = false;
};

QFrame* Line(const char* name, QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setObjectName(QLatin1String(name));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

class AboutDialog : public QDialog {
public:
    AboutDialog(QWidget* parent, int scale, const QString& version, const QPixmap& logo, const QPixmap& title,
                const QPixmap& mail, const QPixmap& web, const std::vector<AboutLink>& links);
};

AboutDialog::AboutDialog(QWidget* parent, int scale, const QString& version, const QPixmap& logo,
                         const QPixmap& title, const QPixmap& mail, const QPixmap& web,
                         const std::vector<AboutLink>& links)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QCoreApplication::translate("about", "About Fruitwhirl"));

    // The title is the cabinet's own lettering, the logo beside it the window icon's design: pixel
    // art at a whole scale, larger beside a larger machine.
    const int times = std::clamp(scale - 1, 1, 2);
    auto* imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setAccessibleName(QCoreApplication::translate("about", "Fruitwhirl logo"));
    imgLogo->setPixmap(WholeScaled(logo.toImage(), times, devicePixelRatioF()));
    imgLogo->setVisible(!logo.isNull());
    auto* imgTitle = new QLabel(this);
    imgTitle->setObjectName(QStringLiteral("imgTitle"));
    imgTitle->setAccessibleName(QStringLiteral("Fruitwhirl"));
    if (title.isNull()) {
        imgTitle->setText(QStringLiteral("Fruitwhirl"));
        QFont big = imgTitle->font();
        big.setPointSize(big.pointSize() * 2);
        big.setBold(true);
        imgTitle->setFont(big);
        imgTitle->setForegroundRole(QPalette::BrightText);
    } else {
        imgTitle->setPixmap(WholeScaled(title.toImage(), times + 1, devicePixelRatioF()));
    }

    auto* lblText = new QLabel(QString::fromStdString(AboutText(version.toStdString())), this);
    lblText->setObjectName(QStringLiteral("lblText"));

    auto* heading = new QVBoxLayout;
    heading->addWidget(imgTitle, 0, Qt::AlignLeft);
    heading->addWidget(lblText);
    heading->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(imgLogo, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(heading, 1);

    // The project's addresses, when the build was given them; without them, no link at all.
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (const AboutLink& link : links) {
        const bool mailLink = link.kind == AboutLink::Kind::Mail;
        const QString url = QString::fromStdString(link.url);
        auto* picture = new PictureLink(mailLink ? mail : web, QString(url).remove(QStringLiteral("mailto:")),
                                        QUrl(url), this);
        picture->setObjectName(mailLink ? QStringLiteral("imgMail") : QStringLiteral("imgWeb"));
        picture->setToolTip(QString::fromStdString(link.tooltip));
        picture->setAccessibleName(QString::fromStdString(link.tooltip));
        if (row->count() > 1) row->addSpacing(24);
        row->addWidget(picture);
    }
    row->addStretch(1);

    auto* cmdOk = new QPushButton(QCoreApplication::translate("about", "&Ok"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOk);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    if (!links.empty()) {
        layout->addWidget(Line("Line1", this));
        layout->addLayout(row);
    }
    layout->addWidget(Line("Line2", this));
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ApplyCabinetLook(this);
}

}  // namespace

void SetUrlOpener(UrlOpener opener) {
    CustomOpener() = std::move(opener);
}

void RunAboutDialog(QWidget* parent, int scale, const QString& version, const QPixmap& logo,
                    const QPixmap& title, const QPixmap& mail, const QPixmap& web,
                    const std::vector<AboutLink>& links) {
    QPointer<AboutDialog> dialog = new AboutDialog(parent, scale, version, logo, title, mail, web, links);
    dialog->move(DialogPosition(parent, scale, kAboutOffset));
    dialog->exec();
    delete dialog;  // null when the main window went away meanwhile
}

}  // namespace fw
