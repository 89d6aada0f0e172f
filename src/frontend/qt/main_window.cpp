#include "frontend/qt/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <cmath>
#include <thread>

#include "frontend/qt/dialogs/dialogs.h"
#include "frontend/qt/embedded.h"
#include "frontend/qt/odds_window.h"
#include "machine/cells.h"
#include "shell/events.h"
#include "shell/trace.h"

namespace fw {

ScreenWidget::ScreenWidget(int scale, QWidget* parent)
    : QWidget(parent), scale_(scale), frame_(kScreenWidth, kScreenHeight, QImage::Format_RGB32) {
    setFixedSize(kScreenWidth * scale_, kScreenHeight * scale_);
    setAttribute(Qt::WA_OpaquePaintEvent);
    frame_.fill(Qt::black);
}

QPointF ScreenWidget::toMachine(QPointF position) const {
    return {std::floor(position.x() / scale_), std::floor(position.y() / scale_)};
}

void ScreenWidget::mousePressEvent(QMouseEvent* event) {
    // One press at a time: other buttons pressed meanwhile are ignored.
    if (held_ != Qt::NoButton || !post_) return;
    held_ = event->button();
    const QPointF at = toMachine(event->position());
    post_(ev::Press{event->button() == Qt::LeftButton ? 1 : 2, static_cast<float>(at.x()),
                    static_cast<float>(at.y())});
}

void ScreenWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    // A second press in quick succession is a press like any other.
    mousePressEvent(event);
}

void ScreenWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != held_ || !post_) return;
    held_ = Qt::NoButton;
    const QPointF at = toMachine(event->position());
    // The widget keeps the mouse while a button is held, so the release arrives
    // here even outside the window.
    post_(ev::Release{static_cast<float>(at.x()), static_cast<float>(at.y()),
                      rect().contains(event->position().toPoint())});
}

void ScreenWidget::cancelPress() {
    if (held_ == Qt::NoButton || !post_) return;
    held_ = Qt::NoButton;
    post_(ev::Release{-1, -1, false});
}

void ScreenWidget::paintEvent(QPaintEvent*) {
    if (surface_) {
        for (int y = 0; y < kScreenHeight; ++y) {
            const std::uint32_t* in = surface_->row(y);
            auto* out = reinterpret_cast<QRgb*>(frame_.scanLine(y));
            for (int x = 0; x < kScreenWidth; ++x) out[x] = 0xFF000000u | in[x];
        }
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(0, 0, width(), height()), frame_);
}

MainWindow::MainWindow(int scale)
    : screen_(new ScreenWidget(scale, this)),
      tmrElapsedTime_(new QTimer(this)),
      tmrMultiCheck_(new QTimer(this)) {
    setWindowTitle("Fruitwhirl");
    setCentralWidget(screen_);
    buildMenus();
    tmrElapsedTime_->setInterval(1000);
    tmrMultiCheck_->setInterval(10000);
    connect(tmrElapsedTime_, &QTimer::timeout, this, [this] { post(ev::Tick{TimerId::ElapsedTime}); });
    connect(tmrMultiCheck_, &QTimer::timeout, this, [this] { post(ev::Tick{TimerId::MultiCheck}); });
    // Fixed size: the machine is a picture.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainWindow::buildMenus() {
    mnuGame_ = menuBar()->addMenu("&Game");
    QAction* config = mnuGame_->addAction("&Configuration");
    connect(config, &QAction::triggered, this, [this] { post(ev::MenuConfig{}); });
    mnuGame_->addSeparator();
    QAction* quit = mnuGame_->addAction("&Quit Fruitwhirl");
    connect(quit, &QAction::triggered, this, [this] { post(ev::MenuQuit{}); });

    mnuTheme_ = menuBar()->addMenu("&Theme");
    for (int i = 1; i <= 10; ++i) {
        QAction* item = mnuTheme_->addAction(QString("&Theme%1").arg(i));
        item->setCheckable(true);
        item->setVisible(i == 1);
        item->setEnabled(i == 1);
        connect(item, &QAction::triggered, this, [this, i, item] {
            // The machine decides where the check mark goes.
            item->setChecked(!item->isChecked());
            post(ev::MenuTheme{i});
        });
        mnuWheelTheme_[i] = item;
    }

    mnuHelp_ = menuBar()->addMenu("&Help");
    QAction* about = mnuHelp_->addAction("&About Fruitwhirl");
    connect(about, &QAction::triggered, this, [this] { post(ev::MenuAbout{}); });
    QAction* manual = mnuHelp_->addAction("&Manual For Fruitwhirl");
    connect(manual, &QAction::triggered, this, [this] { post(ev::MenuManual{}); });
    QAction* odds = mnuHelp_->addAction("&Odds and Payouts");
    connect(odds, &QAction::triggered, this, [this] { post(ev::MenuOdds{}); });
}

void MainWindow::attach(Machine* machine) {
    machine_ = machine;
    screen_->setSurface(&machine->hdcScreen);
    screen_->setPoster([this](MachineEvent event) { post(event); });
}

void MainWindow::post(MachineEvent event) {
    if (machine_) Post(*machine_, event);
}

void MainWindow::waitUntil(std::chrono::steady_clock::time_point deadline) {
    using namespace std::chrono;
    const auto now = steady_clock::now();
    if (deadline - now >= milliseconds(2)) {
        // A pause: show the frame and let the window live until the deadline.
        // Input only queues machine events, which run after the current one.
        screen_->update();
        lastPresent_ = now;
        for (auto left = deadline - steady_clock::now(); left >= milliseconds(1);
             left = deadline - steady_clock::now()) {
            QEventLoop loop;
            QTimer::singleShot(static_cast<int>(duration_cast<milliseconds>(left).count()), Qt::PreciseTimer,
                               &loop, &QEventLoop::quit);
            loop.exec();
        }
    } else if (now - lastPresent_ >= milliseconds(16)) {
        // Animation frames come faster than the display: show one per refresh.
        screen_->repaint();
        QCoreApplication::processEvents();
        lastPresent_ = now;
    }
    std::this_thread::sleep_until(deadline);
}

void MainWindow::ShowWindow() {
    show();
    raise();
    TraceMark("shown");
}

void MainWindow::Present() {
    screen_->update();
}

void MainWindow::SetPointer(Pointer pointer) {
    const bool busy = pointer == Pointer::Hourglass;
    if (busy == busyPointer_) return;
    busyPointer_ = busy;
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void MainWindow::SetDragIcon(DragIcon icon) {
    if (icon == DragIcon::None) {
        screen_->unsetCursor();
        return;
    }
    const auto bytes = Embedded(icon == DragIcon::OneCoin ? "drag-coin" : "drag-stack");
    QPixmap picture;
    picture.loadFromData(bytes.data(), static_cast<uint>(bytes.size()));
    // The icon keeps its 32 x 32 size at every scale, like a pointer.
    screen_->setCursor(QCursor(picture, 16, 16));
}

bool MainWindow::RunConfigDialog(ConfigValues& values) {
    return fw::RunConfigDialog(this, screen_->scale(), values);
}

void MainWindow::ShowAbout(const std::string& version) {
    auto picture = [](const char* name) {
        const auto bytes = Embedded(name);
        QPixmap pixmap;
        if (!bytes.empty()) pixmap.loadFromData(bytes.data(), static_cast<uint>(bytes.size()));
        return pixmap;
    };
    RunAboutDialog(this, screen_->scale(), QString::fromStdString(version), picture("logo"), picture("email"),
                   picture("homepage"));
}

void MainWindow::ShowManual(const std::string& path) {
    fw::ShowManual(this, screen_->scale(), QString::fromStdString(path));
}

void MainWindow::ShowOdds(const OddsReport& odds, bool open) {
    ShowOddsWindow(this, screen_->scale(), odds, open);
}

bool MainWindow::OddsShown() {
    return OddsWindowShown();
}

void MainWindow::EnableMenu(MenuId menu, bool enabled) {
    QMenu* target = menu == MenuId::Game ? mnuGame_ : menu == MenuId::Theme ? mnuTheme_ : mnuHelp_;
    target->menuAction()->setEnabled(enabled);
}

void MainWindow::SetThemeItem(int index, const std::string& caption, bool visible, bool enabled) {
    QAction* item = mnuWheelTheme_.at(index);
    item->setText(QString::fromStdString(caption));
    item->setVisible(visible);
    item->setEnabled(enabled);
}

void MainWindow::CheckThemeItem(int index, bool checked) {
    mnuWheelTheme_.at(index)->setChecked(checked);
}

void MainWindow::SetTopmost(bool topmost) {
    setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    show();
}

void MainWindow::EnableTimer(TimerId timer, bool enabled) {
    QTimer* target = timer == TimerId::ElapsedTime ? tmrElapsedTime_ : tmrMultiCheck_;
    if (enabled) {
        target->start();  // a restart counts the interval afresh
    } else {
        target->stop();
    }
}

void MainWindow::ShowError(const std::string& title, const std::string& text) {
    QMessageBox::critical(isVisible() ? this : nullptr, QString::fromStdString(title),
                          QString::fromStdString(text));
}

void MainWindow::EndProgram(int status) {
    TraceMark("end");
    ending_ = true;
    exitStatus_ = status;
    QCoreApplication::exit(status);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (ending_) {
        event->accept();
        return;
    }
    // The window stays for the closing wipe; the shutdown ends the program.
    event->ignore();
    post(ev::CloseWindow{});
}

bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) post(ev::Activate{});
    if (event->type() == QEvent::WindowDeactivate) screen_->cancelPress();
    return QMainWindow::event(event);
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) {
        const bool minimized = windowState() & Qt::WindowMinimized;
        if (wasMinimized_ && !minimized) post(ev::Expose{});
        wasMinimized_ = minimized;
    }
    QMainWindow::changeEvent(event);
}

int DefaultScale() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return 1;
    return std::max(1, screen->geometry().height() / 2 / kScreenHeight);
}

}  // namespace fw
