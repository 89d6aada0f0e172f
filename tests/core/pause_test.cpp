// Pause on the tick count, across the wrap of the counter.
#include <gtest/gtest.h>

#include "fakes.h"
#include "machine/screen.h"

namespace fw::test {
namespace {

TEST(Pause, ZeroReturnsAtOnce) {
    Rig rig;
    Pause(rig.m, 0);
    Pause(rig.m, -5);
    EXPECT_TRUE(rig.clock.waits.empty());
}

TEST(Pause, LastsExactlyItsTime) {
    Rig rig;
    const auto before = rig.clock.Ticks();
    Pause(rig.m, 250);
    EXPECT_EQ(rig.clock.Ticks() - before, 250u);
}

TEST(Pause, SpansTheWrapOfTheTickCount) {
    Rig rig;
    rig.clock.StartAt(0xFFFFFFFFu - 30);
    const auto before = rig.clock.Ticks();
    Pause(rig.m, 100);
    EXPECT_LT(rig.clock.Ticks(), before);  // the counter wrapped
    EXPECT_EQ(rig.clock.Ticks() - before, 100u);
    EXPECT_EQ(rig.clock.ElapsedNanos(), 100'000'000u);
}

}  // namespace
}  // namespace fw::test
