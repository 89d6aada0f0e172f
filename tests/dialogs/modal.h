#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace fw::test {

// Runs action, from a timer, on the modal window that the blocking call the test makes next shows. A window
// still open three seconds later (or none within three seconds) fails the test and is closed: no hang.
inline void WhenModal(std::function<void(QWidget*)> action) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, deadline = QDeadlineTimer(3000), action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible() && !modal->isActiveWindow()) modal->activateWindow();
        if ((modal && modal->isVisible() && modal->isActiveWindow()) || deadline.hasExpired()) {
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
