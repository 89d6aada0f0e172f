// The machine around the game: where presses land, the sound bank, the reel themes (the player's own too).
#include <gtest/gtest.h>

#include <fstream>

#include "fakes.h"
#include "shell/keys.h"
#include "shell/menus.h"

namespace fw::test {
namespace {

TEST(Presses, ZonesEndWhereThePlayerExpects) {
    Rig rig;
    rig.StartPlaying();
    rig.InsertCoins(2);
    rig.Play("3-3-7");
    // A hold's press zone reaches one pixel right of and below its button.
    const Cell hold = places::HoldButton(0);
    rig.Press(hold.right() + 2, hold.bottom() + 1);
    rig.Press(hold.right() + 1, hold.bottom() + 2);
    EXPECT_EQ(rig.m.reels.HoldCount, 0);
    rig.Press(hold.right() + 1, hold.bottom() + 1);
    EXPECT_EQ(rig.m.reels.HoldCount, 1);
    rig.Forget();
    // Outside every zone a press does nothing at all, not even a repaint.
    rig.m.display.hdcScreen.setPixel(0, 0, 0x123456);
    rig.Press(places::LeverKnob.right() + 1, places::LeverKnob.y);
    rig.Press(places::ReelWindowZone.right() + 1, places::ReelWindowZone.bottom());
    EXPECT_EQ(rig.m.display.hdcScreen.pixel(0, 0), 0x123456u);
    EXPECT_TRUE(rig.sound.calls.empty());
    // The right button on the lever or a hold repaints and starts nothing.
    rig.PressOn(places::LeverKnob, 2);
    rig.PressOn(places::HoldButton(1), 2);
    EXPECT_NE(rig.m.display.hdcScreen.pixel(0, 0), 0x123456u);
    EXPECT_TRUE(rig.sound.calls.empty() && rig.clock.waits.empty());
}

// The page reports fractions of a machine pixel, the desktop whole pixels: the same spot lands alike;
// neighbouring list lines share their boundary row, which belongs to the upper line.
TEST(Presses, AFractionOfAPixelBelongsToTheWholePixelItLiesIn) {
    Rig rig;
    rig.StartPlaying();
    Machine& m = rig.m;
    rig.Press(places::ReelWindowZone.right() + 0.5f, CentreY(places::ReelWindowZone));
    EXPECT_EQ(m.display.ScreenMode, Screen::HighScores);
    rig.Press(CentreX(places::ListLineZone(0)), places::ListLineZone(1).y + 0.5f);
    EXPECT_TRUE(m.display.ScreenMode == Screen::Statistics && m.records.StatPage == 1) << m.records.StatPage;
}

TEST(SoundBank, WithTheSoundOffOrNoDeviceNothingIsHeard) {
    Rig rig;
    rig.StartPlaying();
    rig.Send(ev::Activate{});  // the bank is loaded once
    rig.m.config.SoundOn = 0;
    rig.PullLever();
    EXPECT_TRUE(rig.sound.calls.empty());
    Rig silent;  // no sound device: nothing is loaded, played or released
    silent.sound.deviceOpens = false;
    silent.Start();
    silent.Send(ev::Activate{});
    silent.PullLever();
    silent.Send(ev::MenuQuit{});
    EXPECT_EQ(silent.sound.calls, (std::vector<std::string>{"Initialise"}));
}

TEST(SoundBank, TheVolumeSetsTheLevelOfEverySoundAtOnceAndMMutesAndGivesItBack) {
    Rig fresh;  // a file without a volume: full
    fresh.StartPlaying();
    EXPECT_EQ(fresh.sound.level, 100);
    Rig rig;
    rig.store.Set("GameCfg", "Volume", "30");
    rig.StartPlaying();
    EXPECT_EQ(rig.sound.level, 30);  // from the first sound on
    rig.Configure([](ConfigValues& v) { v.volume = 70; });
    EXPECT_EQ(rig.sound.level, 70);
    MuteKey(rig.m);  // M, which the front ends carry out at once
    EXPECT_EQ(rig.sound.level, 0);
    MuteKey(rig.m);
    EXPECT_EQ(rig.sound.level, 70);
    rig.Send(ev::MenuQuit{});
    EXPECT_EQ(rig.store.Value("GameCfg", "Volume"), "70");
}

TEST(SoundBank, WithoutADeviceTheStoredSoundChoiceIsShownAndKept) {
    Rig rig;
    rig.sound.deviceOpens = false;
    rig.StartPlaying();
    ConfigValues shown;  // what the dialog showed; its greyed box hands back nothing the player chose
    rig.Configure([&](ConfigValues& v) { shown = v, v.soundOn = 0, v.name = "Ed"; });
    EXPECT_TRUE(shown.soundOn == 1 && !shown.soundAvailable);
    rig.Send(ev::MenuQuit{});
    EXPECT_EQ(rig.store.Value("GameCfg", "Sound"), "1");
}

// The theme menu as the player sees it: the shown items' captions, the checked one marked '*'.
std::string ThemeMenu(const Rig& rig) {
    std::string menu;
    for (const auto& [index, item] : rig.host.themeItems)
        if (item.visible) menu += (item.checked ? "*" : "") + item.caption + " ";
    return menu;
}

TEST(Themes, TheMenuListsTheThemesInNameOrderAndSwitchesThem) {
    Rig rig({"Gems.Thm", "cards.thm", "Fruit.THM"});
    std::ofstream(rig.folder / "Gfx" / "notes.txt") << "x";
    std::filesystem::create_directory(rig.folder / "Gfx" / "Old.Thm");
    rig.images.files[rig.GfxFile("A&B.Thm")] = ThemePicture(4);
    std::ofstream(rig.folder / "Gfx" / "A&B.Thm") << "x";
    rig.StartPlaying();
    EXPECT_EQ(ThemeMenu(rig), "*&A&&B &cards &Fruit &Gems ");
    rig.Send(ev::MenuTheme{3});  // Fruit.THM, the third theme picture
    EXPECT_EQ(rig.images.loads.back(), rig.GfxFile("Fruit.THM"));
    EXPECT_EQ(ThemeMenu(rig), "&A&&B &cards *&Fruit &Gems ");
    EXPECT_TRUE(ShowsSymbol(rig.m.display.hdcScreen, 1, 2, 11, 3));
    const auto loads = rig.images.loads.size();
    rig.Send(ev::MenuTheme{3});  // already checked: nothing at all
    EXPECT_EQ(rig.images.loads.size(), loads);
    rig.images.files.erase(rig.GfxFile("Gems.Thm"));  // spoilt since start-up
    rig.Send(ev::MenuTheme{4});
    EXPECT_EQ(rig.host.errors.size(), 1u);
    EXPECT_EQ(ThemeMenu(rig), "&A&&B &cards *&Fruit &Gems ");
    EXPECT_TRUE(ShowsSymbol(rig.m.display.hdcScreen, 1, 2, 11, 3));
    rig.Send(ev::MenuQuit{});
    EXPECT_EQ(rig.store.Value("GameCfg", "Theme"), "3");
    EXPECT_EQ(rig.store.Value("GameCfg", "ThmNr"), "4");
}

TEST(Themes, ThemesThatCannotBeLoadedAreSaidAndPassedOverAndTheGameStartsOnTheFirstThatLoads) {
    Rig rig({"Fruit.Thm", "Gems.Thm", "Vegas.Thm"});
    rig.store.Set("GameCfg", "Theme", "3");  // Vegas, chosen last
    rig.store.Set("GameCfg", "ThmNr", "3");
    for (const char* spoilt : {"Fruit.Thm", "Vegas.Thm"}) rig.images.files.erase(rig.GfxFile(spoilt));
    rig.Start();
    ASSERT_TRUE(rig.host.errors.empty() && !rig.m.queue.ended) << ::testing::PrintToString(rig.host.errors);
    ASSERT_EQ(rig.host.messages.size(), 1u);
    for (const char* spoilt : {"Fruit.Thm", "Vegas.Thm"})
        EXPECT_NE(rig.host.messages[0].find(rig.GfxFile(spoilt) + "\" cannot be loaded"), std::string::npos);
    EXPECT_TRUE(ShowsSymbol(rig.m.display.hdcScreen, 0, 1, rig.m.Strip[18][0], 2));
    EXPECT_EQ(ThemeMenu(rig), "&Fruit *&Gems &Vegas ");
    rig.Send(ev::MenuQuit{});
    EXPECT_EQ(rig.store.Value("GameCfg", "Theme"), "2");
}

TEST(UserThemes, ShowBesideTheShippedOnesAndOneNamedLikeAShippedOneTakesItsPlace) {
    Rig rig({"Fruit.Thm", "Gems.Thm"});
    OwnThemes(rig, {{"fruit.thm", 7}, {"Cards.Thm", 8}});
    rig.Start();
    EXPECT_EQ(ThemeMenu(rig), "*&Cards &fruit &Gems ");
    EXPECT_TRUE(ShowsSymbol(rig.m.display.hdcCompose, 0, 1, rig.m.Strip[18][0], 8));
    rig.Send(ev::MenuTheme{2});
    EXPECT_TRUE(ShowsSymbol(rig.m.display.hdcScreen, 0, 1, rig.m.Strip[18][0], 7));
}

TEST(UserThemes, CountTowardsTheTen) {
    Rig rig({"A.Thm", "B.Thm", "C.Thm", "D.Thm", "E.Thm", "F.Thm"});
    OwnThemes(rig, {{"G.Thm", 7}, {"H.Thm", 7}, {"I.Thm", 7}, {"J.Thm", 7}, {"K.Thm", 7}});
    rig.Start();
    EXPECT_TRUE(rig.m.queue.ended);
    EXPECT_NE(rig.host.errors.at(0).find("Too Many"), std::string::npos);
}

// A picture the player adds in the browser, checked as the next start's scan will take it.
TEST(AddedTheme, IsTakenOnlyAsTheScanWouldTakeIt) {
    const struct {
        int shipped;       // themes there already
        const char* file;  // the name it is kept under
        int width;         // of the picture (37 high); 0: no picture at all
        const char* told;  // "" when it is taken
    } rows[] = {
        {3, "Mine.Thm", 435, ""},
        {3, "Mine.Thm", 434, "\"picked\" cannot be loaded: it is too small (434 x 37"},
        {3, "Mine.Thm", 0, "\"picked\" cannot be loaded"},
        {10, "Mine.Thm", 435, "Too Many 'Thm' Files"},
        {10, "t10.thm", 435, ""},  // in place of the tenth
    };
    for (const auto& row : rows) {
        std::vector<std::string> shipped;
        for (int i = 1; i <= row.shipped; ++i) shipped.push_back("T" + std::to_string(i) + ".Thm");
        Rig rig(shipped);
        rig.Start();
        if (row.width) rig.images.files["picked"] = ThemePicture(7, row.width);
        const std::string told = AddThemeCheck(rig.m, "picked", row.file);
        EXPECT_NE(told.find(row.told), std::string::npos) << told;
        EXPECT_EQ(told.empty(), !*row.told) << told;
    }
}

}  // namespace
}  // namespace fw::test
