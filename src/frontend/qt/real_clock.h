// The wall clock, paced on one logical timeline: every wait adds to the
// timeline and sleeps until the wall clock reaches it, so a run of pauses lasts
// exactly their sum however late one of them wakes.
#pragma once

#include <chrono>
#include <functional>

#include "platform/clock.h"

namespace fw {

class RealClock : public Clock {
public:
    using TimePoint = std::chrono::steady_clock::time_point;
    // Waits until the deadline while keeping the window alive.
    using WaitFn = std::function<void(TimePoint deadline)>;

    RealClock();
    void SetWaitFunction(WaitFn wait) { wait_ = std::move(wait); }

    std::uint32_t Ticks() override;
    void Wait(std::chrono::nanoseconds d) override;
    void Sync() override;

private:
    TimePoint logical_;
    WaitFn wait_;
};

}  // namespace fw
