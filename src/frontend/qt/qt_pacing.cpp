#include "frontend/qt/qt_pacing.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <thread>

#include "frontend/qt/screen_widget.h"

namespace fw {

using namespace std::chrono;

namespace {

steady_clock::time_point At(nanoseconds moment) {
    return steady_clock::time_point(duration_cast<steady_clock::duration>(moment));
}

}  // namespace

nanoseconds QtPacing::Now() {
    return duration_cast<nanoseconds>(steady_clock::now().time_since_epoch());
}

void QtPacing::Show(bool animation) {
    if (screen_) screen_->present(animation);
}

void QtPacing::Breathe() {
    QCoreApplication::processEvents();
}

void QtPacing::LiveUntil(nanoseconds moment) {
    // The window runs its events meanwhile; input only queues machine events,
    // which run after the current one.
    const steady_clock::time_point deadline = At(moment);
    for (auto left = deadline - steady_clock::now(); left >= milliseconds(1);
         left = deadline - steady_clock::now()) {
        QEventLoop loop;
        QTimer::singleShot(static_cast<int>(duration_cast<milliseconds>(left).count()), Qt::PreciseTimer,
                           &loop, &QEventLoop::quit);
        loop.exec();
    }
    std::this_thread::sleep_until(deadline);
}

void QtPacing::SleepUntil(nanoseconds moment) {
    std::this_thread::sleep_until(At(moment));
}

}  // namespace fw
