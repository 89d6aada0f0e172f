#include "platform/qt/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <thread>

#include "globals/cells.h"
#include "platform/qt/trace.h"

namespace fw {

ScreenWidget::ScreenWidget(int scale, QWidget* parent)
    : QWidget(parent), scale_(scale), frame_(kScreenWidth, kScreenHeight, QImage::Format_RGB32) {
    setFixedSize(kScreenWidth * scale_, kScreenHeight * scale_);
    setAttribute(Qt::WA_OpaquePaintEvent);
    frame_.fill(Qt::black);
}

QPoint ScreenWidget::toMachine(QPointF position) const {
    return {static_cast<int>(position.x()) / scale_, static_cast<int>(position.y()) / scale_};
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

MainWindow::MainWindow(int scale) : screen_(new ScreenWidget(scale, this)) {
    setWindowTitle("Fruitwhirl");
    setCentralWidget(screen_);
    buildMenus();
    // Fixed size: the machine is a picture.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainWindow::buildMenus() {
    mnuGame_ = menuBar()->addMenu("&Game");
    // The configuration dialog, the About window and the manual come later.
    mnuGame_->addAction("&Configuration");
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
    mnuHelp_->addAction("&About Fruitwhirl");
    mnuHelp_->addAction("&Manual For Fruitwhirl");
}

void MainWindow::attach(Machine* machine) {
    machine_ = machine;
    screen_->setSurface(&machine->hdcScreen);
}

void MainWindow::post(MachineEvent event) {
    if (machine_) Post(*machine_, event);
}

void MainWindow::waitUntil(std::chrono::steady_clock::time_point deadline) {
    using namespace std::chrono;
    // Show the frame the machine has drawn, at most about once per display refresh.
    const auto now = steady_clock::now();
    if (now - lastPresent_ >= milliseconds(15) || deadline - now >= milliseconds(15)) {
        screen_->update();
        lastPresent_ = now;
    }
    // Let the window repaint and queue input while the time passes; input only
    // queues machine events, which run after the current one.
    for (auto left = deadline - steady_clock::now(); left >= milliseconds(1);
         left = deadline - steady_clock::now()) {
        QEventLoop loop;
        QTimer::singleShot(static_cast<int>(duration_cast<milliseconds>(left).count()), Qt::PreciseTimer, &loop,
                           &QEventLoop::quit);
        loop.exec();
    }
    std::this_thread::sleep_until(deadline);
}

void MainWindow::ShowWindow() {
    show();
    raise();
    TraceMark("shown");
}

void MainWindow::Present() { screen_->update(); }

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

void MainWindow::SetDragIcon(DragIcon) {
    // The coin drags arrive with the coins and credits.
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

void MainWindow::CheckThemeItem(int index, bool checked) { mnuWheelTheme_.at(index)->setChecked(checked); }

void MainWindow::SetTopmost(bool topmost) {
    setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    show();
}

void MainWindow::EnableTimer(TimerId, bool) {
    // The play-time clock and the Mania clock arrive with the features that run them.
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
