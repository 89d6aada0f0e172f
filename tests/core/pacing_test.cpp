// The clock both editions play on, against a wall clock the test moves.
#include <gtest/gtest.h>

#include <vector>

#include "edition/paced_clock.h"

namespace fw::test {
namespace {

using namespace std::chrono_literals;
using std::chrono::nanoseconds;

// A front end whose wall clock moves only when it sleeps or the test says so;
// a sleep can wake late.
class Wall : public PacingHost {
public:
    nanoseconds Now() override { return now; }
    void Show(bool animation) override { shown.push_back({now - start, animation}); }
    void Breathe() override {}
    void LiveUntil(nanoseconds moment) override {
        lived.push_back(moment - start);
        Sleep(moment);
    }
    void SleepUntil(nanoseconds moment) override {
        slept.push_back(moment - start);
        Sleep(moment);
    }

    struct Shown {
        nanoseconds at;
        bool animation;
        bool operator==(const Shown&) const = default;
    };
    const nanoseconds start = 5'000'000'000ns;
    nanoseconds now = start;
    nanoseconds late = 0ns;  // how late the next sleep wakes
    std::vector<Shown> shown;
    std::vector<nanoseconds> lived, slept;

private:
    void Sleep(nanoseconds moment) {
        if (moment > now) now = moment;
        now += late;
        late = 0ns;
    }
};

// Frames of the given length, each costing the machine `work` of wall time.
void Frames(PacedClock& clock, Wall& wall, int count, nanoseconds length, nanoseconds work) {
    for (int i = 0; i < count; ++i) {
        wall.now += work;
        clock.Wait(length);
    }
}

TEST(Pacing, ARunOfPausesLastsTheirSumHoweverLateOneWakes) {
    Wall wall;
    PacedClock clock(wall);
    const std::uint32_t started = clock.Ticks();
    wall.late = 30ms;
    for (int i = 0; i < 3; ++i) clock.Wait(100ms);
    EXPECT_EQ(clock.Ticks() - started, 300u);
    EXPECT_EQ(wall.lived, (std::vector<nanoseconds>{100ms, 200ms, 300ms}));
    EXPECT_EQ(wall.now - wall.start, 300ms);  // the late wake was made up by the next pause
}

TEST(Pacing, APauseShowsTheFrameAtMostOncePerRefreshUnlessItStaysThatLong) {
    Wall wall;
    PacedClock clock(wall);
    clock.Wait(2ms);   // the shortest pause: shown, and the window lives until its end
    clock.Wait(3ms);   // 2 ms after that show: not shown again
    clock.Wait(16ms);  // stays a whole refresh: shown
    EXPECT_EQ(wall.shown, (std::vector<Wall::Shown>{{0ms, false}, {5ms, false}}));
    EXPECT_EQ(wall.lived, (std::vector<nanoseconds>{2ms, 5ms, 21ms}));
}

TEST(Pacing, AnimationFramesAreShownOncePerDisplayRefresh) {
    Wall wall;
    PacedClock clock(wall);
    Frames(clock, wall, 64, 1ms, 1ms);  // the machine keeps pace with its frames
    EXPECT_EQ(wall.shown, (std::vector<Wall::Shown>{{1ms, true}, {17ms, true}, {33ms, true}, {49ms, true}}));
    EXPECT_TRUE(wall.lived.empty() && wall.slept.empty());
}

TEST(Pacing, AnimationFramesRunAtMostTheLeadAheadAndThenSleepTogether) {
    Wall wall;
    PacedClock clock(wall);
    Frames(clock, wall, 24, 1ms, 0ns);  // drawing takes no time: the frames run ahead
    EXPECT_EQ(wall.slept, (std::vector<nanoseconds>{8ms, 16ms, 24ms}));
    // A frame just under the pause's length with a pause's distance to go is still a frame.
    clock.Wait(1999us);
    clock.Wait(1999us);
    EXPECT_TRUE(wall.lived.empty());
}

TEST(Pacing, AfterTheMachineWasIdleTheTimelineCatchesUpAndNeverGoesBack) {
    Wall wall;
    PacedClock clock(wall);
    const std::uint32_t started = clock.Ticks();
    wall.now += 5s;
    clock.Sync();
    EXPECT_EQ(clock.Ticks() - started, 5000u);
    Frames(clock, wall, 6, 1ms, 0ns);  // 6 ms ahead of the wall clock
    clock.Sync();
    EXPECT_EQ(clock.Ticks() - started, 5006u);
}

}  // namespace
}  // namespace fw::test
