// Time as the machine sees it: a 32-bit millisecond tick count that wraps, and
// waits on one logical timeline.
#pragma once

#include <chrono>
#include <cstdint>

namespace fw {

class Clock {
public:
    virtual ~Clock() = default;

    // The millisecond tick count. It wraps from 0xFFFFFFFF to 0; differences are
    // taken in 32-bit unsigned arithmetic.
    virtual std::uint32_t Ticks() = 0;

    // Moves the logical timeline on by d and returns when it has been reached.
    // A real clock sleeps (keeping the window painted); a virtual one jumps.
    virtual void Wait(std::chrono::nanoseconds d) = 0;

    // Called when the machine starts on a new event: the logical timeline
    // catches up with the wall clock after the machine has been idle.
    virtual void Sync() {}
};

}  // namespace fw
