// The frame delays of the spinning reels and the falling coin.
//
// The machine paces these animations with a count of empty loop iterations
// (100 000 a frame for the reels at the default speed). Here a count is time:
// one iteration lasts kLoopIteration, and every frame costs kFrameCost more
// for its copies. A larger Speed and every stopped reel slow the frames in
// proportion, and the fastest setting still shows the reels moving.
#pragma once

#include <chrono>

#include "machine/machine.h"

namespace fw {

inline constexpr std::chrono::nanoseconds kLoopIteration{7};
inline constexpr std::chrono::nanoseconds kFrameCost{300'000};

// The time of one frame whose delay counts from 0 to count.
constexpr std::chrono::nanoseconds FrameTime(long count) {
    return kFrameCost + (count + 1) * kLoopIteration;
}

// Waits one frame whose delay counts from 0 to count.
inline void FrameDelay(Machine& m, long count) {
    m.clock.Wait(FrameTime(count));
}

}  // namespace fw
