#include "frontend/qt/signals.h"

#include <fcntl.h>
#include <unistd.h>
#include <QApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QWidget>
#include <cerrno>
#include <csignal>
#include <cstdlib>

#include "machine/machine.h"
#include "shell/events.h"
#include "shell/quit.h"

namespace fw {

namespace {

int signalPipe[2] = {-1, -1};

extern "C" void OnSignal(int number) {
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(number);
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
    errno = saved;
}

}  // namespace

void InstallSignalPipe() {
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : {SIGTERM, SIGINT, SIGHUP, SIGUSR1}) ::sigaction(number, &action, nullptr);
}

void WatchForQuit(Machine& m, QWidget& window) {
    // A dialog or message box that is open ends as if cancelled, so that the
    // event that opened it can end; then the quit runs.
    auto quit = [&m] {
        for (int i = 0; i < 8 && QApplication::activeModalWidget(); ++i)
            QApplication::activeModalWidget()->close();
        Post(m, ev::CloseWindow{});
    };
    auto raise = [&window] {
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
        window.show();
        window.raise();
        window.activateWindow();
    };
    if (signalPipe[0] >= 0) {
        auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &window);
        QObject::connect(notifier, &QSocketNotifier::activated, &window, [quit, raise] {
            static bool quitting = false;
            unsigned char number = 0;
            while (::read(signalPipe[0], &number, 1) == 1) {
                if (number == SIGUSR1) {
                    raise();
                } else if (quitting) {
                    // The second: end at once, as the signal itself would have.
                    ::signal(number, SIG_DFL);
                    ::raise(number);
                    std::_Exit(128 + number);
                } else {
                    quitting = true;
                    quit();
                }
            }
        });
    }
    // The desktop session asks for the data to be kept; when it ends the
    // application, the quit sequence runs.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &window,
                     [&m](QSessionManager&) { CommitData(m); });
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &window, [&m, quit] {
        if (!m.ended) quit();
    });
}

}  // namespace fw
