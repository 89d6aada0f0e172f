// The sound bank: loaded once at the first activation, and the gates of PlaySfx.
#include <gtest/gtest.h>

#include "fakes.h"
#include "sound/sound_bank.h"

namespace fw::test {
namespace {

TEST(SoundBank, FirstActivationLoadsAll22InOrder) {
    Rig rig;
    rig.Start();
    rig.Send(ev::Activate{});
    const auto loads = rig.sound.CallsStartingWith("Load");
    ASSERT_EQ(loads.size(), 22u);
    EXPECT_EQ(loads[0], "Load 0 " + rig.m.SfxPath + "Activate.wav");
    EXPECT_EQ(loads[18], "Load 18 " + rig.m.SfxPath + "Wrong.wav");
    EXPECT_EQ(loads[21], "Load 21 " + rig.m.SfxPath + "klonk3.wav");
    EXPECT_EQ(rig.m.SoundAvailable, True);
    rig.Send(ev::Activate{});
    EXPECT_EQ(rig.sound.CallsStartingWith("Initialise").size(), 1u);
    EXPECT_EQ(rig.sound.CallsStartingWith("Load").size(), 22u);
}

TEST(SoundBank, FailedInitialiseLoadsNothingAndSilencesEverything) {
    Rig rig;
    rig.sound.initialiseResult = 3;
    rig.Start();
    rig.Send(ev::Activate{});
    EXPECT_EQ(rig.m.SoundAvailable, False);
    PlaySfx(rig.m, Sfx::Wrong, SfxMode::Once);
    EXPECT_EQ(rig.sound.calls, (std::vector<std::string>{"SetWindow", "Initialise"}));
}

TEST(SoundBank, SilentBeforeTheFirstActivationAndWhenSwitchedOff) {
    Rig rig;
    rig.store.Set("GameCfg", "Sound", "0");
    rig.Start();
    PlaySfx(rig.m, Sfx::Click, SfxMode::Once);
    EXPECT_TRUE(rig.sound.calls.empty());
    rig.Send(ev::Activate{});
    EXPECT_EQ(rig.sound.CallsStartingWith("Load").size(), 22u);  // loaded even when off
    PlaySfx(rig.m, Sfx::Click, SfxMode::Once);
    EXPECT_TRUE(rig.sound.CallsStartingWith("Play").empty());
    rig.m.SoundOn = 1;
    PlaySfx(rig.m, Sfx::Click, SfxMode::Once);
    EXPECT_EQ(rig.sound.CallsStartingWith("Play"), (std::vector<std::string>{"Play 3"}));
}

TEST(SoundBank, ModesRepeatStopAndPlayOnce) {
    Rig rig;
    rig.Start();
    rig.Send(ev::Activate{});
    rig.sound.calls.clear();
    PlaySfx(rig.m, Sfx::WheelRun, SfxMode::Loop);
    PlaySfx(rig.m, Sfx::Klonk1, SfxMode::Once);
    PlaySfx(rig.m, Sfx::WheelRun, SfxMode::Stop);
    PlaySfx(rig.m, Sfx::Tick, SfxMode::Once);
    EXPECT_EQ(rig.sound.calls, (std::vector<std::string>{"Repeat 15", "Play 19", "Stop 15", "Play 14"}));
}

}  // namespace
}  // namespace fw::test
