// Driving modal windows from a test: the test calls the blocking function, and
// the action runs on the modal window from a timer once it is on the screen.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace fw::test {

// Runs action on the modal window once it is shown and active. A window still
// open three seconds later (or none within three seconds) fails the test and
// is closed, so that a failing test cannot hang.
inline void WhenModal(std::function<void(QWidget*)> action) {
    auto* poll = new QTimer;
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(poll, &QTimer::timeout, [poll, clock, action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible() && !modal->isActiveWindow()) modal->activateWindow();
        if ((modal && modal->isVisible() && modal->isActiveWindow()) || clock->elapsed() > 3000) {
            poll->deleteLater();
            poll->stop();
            if (!modal) return ADD_FAILURE() << "no modal window appeared";
            QPointer<QWidget> window = modal;
            action(modal);
            QTimer::singleShot(3000, [window] {
                if (window && window->isVisible()) ADD_FAILURE() << "the modal window was left open";
                if (window) window->close();
            });
        }
    });
    poll->start(5);
}

// A visible main window stand-in.
inline std::unique_ptr<QWidget> MainWindowAt(int x, int y) {
    auto window = std::make_unique<QWidget>();
    window->setGeometry(x, y, 320, 256);
    window->show();
    return window;
}

}  // namespace fw::test
