// The clock both editions play on: one logical timeline that every wait adds
// to, slept towards on the wall clock, so that a run of pauses lasts exactly
// their sum however late one of them wakes. The front end supplies the wall
// clock and the window's part (showing a frame, letting the window live);
// the pacing is decided here:
// - a pause (2 ms or more, with 2 ms or more still to go) shows the frame, no
//   more often than the display refreshes unless the frame stays that long,
//   and lets the window live until its deadline (input only queues events);
// - animation frames shorter than that come faster than the display: a frame
//   is shown once per refresh, and the frames run up to a lead ahead of the
//   wall clock and then sleep together (a sound starts at most that much
//   before its picture);
// - after the machine was idle, the timeline catches up with the wall clock.
#pragma once

#include <chrono>
#include <cstdint>

#include "platform/clock.h"

namespace fw {

// What the clock needs of a front end.
class PacingHost {
public:
    virtual ~PacingHost() = default;
    // A monotonic wall clock.
    virtual std::chrono::nanoseconds Now() = 0;
    // Shows the frame the machine has drawn; animation: an in-between frame of a run.
    virtual void Show(bool animation) = 0;
    // Lets the window (or page) paint what was shown, without waiting.
    virtual void Breathe() = 0;
    // Lets the window live until the moment: it repaints, input queues events.
    virtual void LiveUntil(std::chrono::nanoseconds moment) = 0;
    // Sleeps until the moment; the window may live meanwhile or not.
    virtual void SleepUntil(std::chrono::nanoseconds moment) = 0;
};

class PacedClock : public Clock {
public:
    // A wait of at least this length, with at least this much still to go, is a pause.
    static constexpr std::chrono::milliseconds kPause{2};
    // How far animation frames run ahead of the wall clock before they sleep together.
    static constexpr std::chrono::milliseconds kLead{8};
    // The display shows at most one frame in this time.
    static constexpr std::chrono::milliseconds kRefresh{16};

    explicit PacedClock(PacingHost& host);

    std::uint32_t Ticks() override;
    void Wait(std::chrono::nanoseconds d) override;
    void Sync() override;
    // Shows the frame now, outside a wait (a message about to cover the machine).
    void Present();

private:
    PacingHost& host_;
    std::chrono::nanoseconds logical_;
    std::chrono::nanoseconds lastShown_{std::chrono::nanoseconds::min() / 2};
};

}  // namespace fw
