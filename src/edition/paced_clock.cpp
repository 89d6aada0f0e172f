#include "edition/paced_clock.h"

namespace fw {

using std::chrono::nanoseconds;

PacedClock::PacedClock(PacingHost& host) : host_(host), logical_(host.Now()) {}

std::uint32_t PacedClock::Ticks() {
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(logical_).count());
}

void PacedClock::Wait(nanoseconds d) {
    logical_ += d;
    const nanoseconds now = host_.Now();
    const nanoseconds ahead = logical_ - now;
    if (d >= kPause && ahead >= kPause) {
        if (ahead >= kRefresh || now - lastShown_ >= kRefresh) {
            host_.Show(false);
            lastShown_ = now;
        }
        host_.LiveUntil(logical_);
        return;
    }
    if (now - lastShown_ >= kRefresh) {
        host_.Show(true);
        host_.Breathe();
        lastShown_ = now;
    }
    if (ahead >= kLead) host_.SleepUntil(logical_);
}

void PacedClock::Sync() {
    const nanoseconds now = host_.Now();
    if (now > logical_) logical_ = now;
}

void PacedClock::Present() {
    host_.Show(false);
    lastShown_ = host_.Now();
}

}  // namespace fw
