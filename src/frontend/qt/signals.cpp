#include "frontend/qt/signals.h"

#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "machine/machine.h"
#include "shell/events.h"
#include "shell/quit.h"
#include "shell/trace.h"

namespace fw {

namespace {

int signalPipe[2] = {-1, -1};
volatile std::sig_atomic_t quittingSignals = 0;
bool quitAsked = false;
std::function<void()> onQuit;   // the machine's quit, once it is watched
std::function<void()> onRaise;  // the window to the front

extern "C" void OnSignal(int number) {
    if (number != SIGUSR1) quittingSignals = quittingSignals + 1;
    if (number != SIGUSR1 && quittingSignals >= 2) {
        // The second: end at once, as the signal itself would have.
        // (The handler runs with its signal blocked: unblocked, it ends the program here.)
        ::signal(number, SIG_DFL);
        sigset_t own;
        sigemptyset(&own);
        sigaddset(&own, number);
        pthread_sigmask(SIG_UNBLOCK, &own, nullptr);
        ::raise(number);
        ::_exit(128 + number);
    }
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(number);
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
    errno = saved;
}

// Cancels a dialog or message box, so that whatever opened it can go on to
// its end; what a message box said still reaches the terminal.
void EndModal(QWidget* window) {
    if (auto* box = qobject_cast<QMessageBox*>(window)) {
        std::fprintf(stderr, "fruitwhirl: %s\n", box->text().toLocal8Bit().constData());
    }
    if (auto* dialog = qobject_cast<QDialog*>(window)) {
        dialog->reject();
    } else {
        window->close();
    }
}

// Every modal window shown after the quit was asked ends as soon as it shows.
class ModalEnder : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->isWindow() && widget->isModal()) {
                TraceMark("dialog");
                if (quitAsked) QTimer::singleShot(0, widget, [widget] { EndModal(widget); });
            }
        }
        return false;
    }
};

void OnQuitSignal() {
    if (quitAsked) return;
    quitAsked = true;
    TraceMark("signal");
    for (int i = 0; i < 8 && QApplication::activeModalWidget(); ++i)
        EndModal(QApplication::activeModalWidget());
    if (onQuit) onQuit();
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

void ReadSignalPipe() {
    qApp->installEventFilter(new ModalEnder(qApp));
    if (signalPipe[0] < 0) return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [] {
        unsigned char number = 0;
        while (::read(signalPipe[0], &number, 1) == 1) {
            if (number == SIGUSR1) {
                if (onRaise) onRaise();
            } else {
                OnQuitSignal();
            }
        }
    });
}

bool QuitAsked() {
    return quitAsked;
}

void WatchForQuit(Machine& m, QWidget& window) {
    onQuit = [&m] { Post(m, ev::CloseWindow{}); };
    onRaise = [&window] {
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
        window.show();
        window.raise();
        window.activateWindow();
    };
    // A signal that came before the machine was watched: the quit runs after
    // the start-up (the event in hand), which its message box does not hold up.
    if (quitAsked) QTimer::singleShot(0, &window, [&m] { Post(m, ev::CloseWindow{}); });
    // The desktop session asks for the data to be kept; when it ends the
    // application, the quit sequence runs.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &window,
                     [&m](QSessionManager&) { CommitData(m); });
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &window, [&m] {
        if (HasEnded(m)) return;
        for (int i = 0; i < 8 && QApplication::activeModalWidget(); ++i)
            EndModal(QApplication::activeModalWidget());
        Post(m, ev::CloseWindow{});
    });
}

}  // namespace fw
