#include "frontend/qt/real_clock.h"

#include <thread>

namespace fw {

RealClock::RealClock() : logical_(std::chrono::steady_clock::now()) {}

std::uint32_t RealClock::Ticks() {
    using namespace std::chrono;
    return static_cast<std::uint32_t>(duration_cast<milliseconds>(logical_.time_since_epoch()).count());
}

void RealClock::Wait(std::chrono::nanoseconds d) {
    logical_ += std::chrono::duration_cast<std::chrono::steady_clock::duration>(d);
    if (wait_) {
        wait_(logical_);
    } else {
        std::this_thread::sleep_until(logical_);
    }
}

void RealClock::Sync() {
    const TimePoint now = std::chrono::steady_clock::now();
    if (now > logical_) logical_ = now;
}

}  // namespace fw
