// Driving modal windows from a test: the test calls the blocking function, and the action runs on
// the modal window from a timer once it is on the screen.
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

// Runs `action` on the modal window as soon as it is on the screen and active, so that it takes the
// keyboard focus. If the window is still open three seconds after the action (or none appears within
// three seconds), the test fails and the window is closed, so that a failing test cannot hang.
inline void WhenModal(std::function<void(QWidget*)> action) {
    auto* poll = new QTimer;
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(poll, &QTimer::timeout, [poll, clock, action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible() && modal->isActiveWindow()) {
            poll->stop();
            poll->deleteLater();
            QPointer<QWidget> window = modal;
            action(modal);
            QTimer::singleShot(3000, [window] {
                if (window && window->isVisible()) {
                    ADD_FAILURE() << "the modal window " << window->objectName().toStdString()
                                  << " was left open";
                    window->close();
                }
            });
        } else if (modal && modal->isVisible() && clock->elapsed() > 500) {
            modal->activateWindow();  // a display without a window manager activates nothing itself
        }
        if (poll->isActive() && clock->elapsed() > 3000) {
            poll->stop();
            poll->deleteLater();
            ADD_FAILURE() << "no active modal window appeared";
            if (modal) modal->close();
        }
    });
    poll->start(5);
}

// A visible main window stand-in at a known place on the screen.
inline std::unique_ptr<QWidget> MainWindowAt(int x, int y) {
    auto window = std::make_unique<QWidget>();
    window->resize(320, 256);
    window->move(x, y);
    window->show();
    return window;
}

}  // namespace fw::test
