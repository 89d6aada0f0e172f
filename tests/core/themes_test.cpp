// Finding the theme files, the theme menu, switching themes, and the themes
// that cannot be used.
#include <gtest/gtest.h>

#include <fstream>

#include "fakes.h"
#include "presentation/themes.h"

namespace fw::test {
namespace {

TEST(ThemeScan, ThreeThemesFillThreeMenuItemsInNameOrder) {
    Rig rig({"Gems.Thm", "Cards.Thm", "Fruit.Thm"});
    rig.Start();
    EXPECT_EQ(rig.m.ThemeCount, 3);
    EXPECT_EQ(rig.host.themeItems[1].caption, "&Cards");
    EXPECT_EQ(rig.host.themeItems[2].caption, "&Fruit");
    EXPECT_EQ(rig.host.themeItems[3].caption, "&Gems");
    for (int i = 1; i <= 3; ++i)
        EXPECT_TRUE(rig.host.themeItems[i].visible && rig.host.themeItems[i].enabled);
    for (int i = 4; i <= 10; ++i) EXPECT_FALSE(rig.host.themeItems[i].visible) << i;
    EXPECT_TRUE(rig.host.themeItems[1].checked);
    EXPECT_EQ(rig.m.ThemeFiles[2], "Fruit");
}

TEST(ThemeScan, OtherFilesAndFoldersAreNotThemes) {
    Rig rig({"Fruit.Thm"});
    std::ofstream(rig.folder / "Gfx" / "notes.txt") << "x";
    std::ofstream(rig.folder / "Gfx" / "Thm") << "x";
    std::filesystem::create_directory(rig.folder / "Gfx" / "Old.Thm");
    rig.Start();
    EXPECT_EQ(rig.m.ThemeCount, 1);
}

TEST(ThemeScan, LowerAndUpperCaseExtensionsAreFoundAndLoadedUnderTheirOwnName) {
    Rig rig({"cards.thm", "Gems.THM"});
    rig.Start();
    ASSERT_EQ(rig.m.ThemeCount, 2);
    EXPECT_EQ(rig.m.ThemeFiles[1], "cards");
    EXPECT_EQ(rig.host.themeItems[1].caption, "&cards");
    EXPECT_EQ(rig.images.loads.back(), rig.GfxFile("cards.thm"));
    rig.Send(ev::MenuTheme{2});
    EXPECT_EQ(rig.images.loads.back(), rig.GfxFile("Gems.THM"));
    EXPECT_TRUE(rig.host.errors.empty());
}

TEST(ThemeScan, TenThemesAreAllowed) {
    std::vector<std::string> names;
    for (int i = 0; i < 10; ++i) names.push_back("T" + std::to_string(i) + ".Thm");
    Rig rig(names);
    rig.Start();
    EXPECT_EQ(rig.m.ThemeCount, 10);
    EXPECT_TRUE(rig.host.errors.empty());
    for (int i = 1; i <= 10; ++i) EXPECT_TRUE(rig.host.themeItems[i].visible);
}

TEST(ThemeScan, ElevenThemesEndTheProgramWithTheMessageBeforeTheMachineShows) {
    std::vector<std::string> names;
    for (int i = 0; i < 11; ++i) names.push_back("T" + std::to_string(i) + ".Thm");
    Rig rig(names);
    rig.Start();
    ASSERT_EQ(rig.host.errors.size(), 1u);
    EXPECT_EQ(rig.host.errors[0], "Fruitwhirl: You Have Too Many 'Thm' Files. (Max=10)");
    EXPECT_NE(rig.host.endStatus, 0);
    EXPECT_EQ(rig.host.endStatus, rig.m.exitStatus);
    EXPECT_EQ(std::count(rig.host.calls.begin(), rig.host.calls.end(), "ShowWindow"), 0);
    EXPECT_EQ(rig.store.writes, 0);
}

TEST(ThemeFaults, NoThemeFileEndsWithAMessageNamingTheFolder) {
    Rig rig(std::vector<std::string>{});
    rig.Start();
    ASSERT_EQ(rig.host.errors.size(), 1u);
    EXPECT_NE(rig.host.errors[0].find(rig.m.GfxPath), std::string::npos);
    EXPECT_NE(rig.host.errors[0].find("*.Thm"), std::string::npos);
    EXPECT_EQ(rig.host.endStatus, 1);
    EXPECT_EQ(rig.store.writes, 0);
}

TEST(ThemeFaults, AMissingGfxFolderEndsTheSameWay) {
    Rig rig(std::vector<std::string>{});
    std::filesystem::remove_all(rig.folder / "Gfx");
    rig.Start();
    EXPECT_EQ(rig.host.errors.size(), 1u);
    EXPECT_EQ(rig.host.endStatus, 1);
}

TEST(ThemeFaults, AnUnreadablePictureEndsWithAMessageNamingTheFile) {
    Rig rig({"Fruit.Thm"});
    rig.images.files.clear();
    rig.Start();
    ASSERT_EQ(rig.host.errors.size(), 1u);
    EXPECT_NE(rig.host.errors[0].find(rig.GfxFile("Fruit.Thm")), std::string::npos);
    EXPECT_NE(rig.host.errors[0].find("not a picture"), std::string::npos);
    EXPECT_EQ(rig.host.endStatus, 1);
    EXPECT_EQ(std::count(rig.host.calls.begin(), rig.host.calls.end(), "ShowWindow"), 0);
    EXPECT_EQ(rig.store.writes, 0);
}

TEST(ThemeFaults, APictureSmallerThan435By37IsRefused) {
    for (auto [w, h] : {std::pair{434, 37}, std::pair{435, 36}}) {
        Rig rig({"Fruit.Thm"});
        rig.images.files[rig.GfxFile("Fruit.Thm")] = ThemePicture(1, w, h);
        rig.Start();
        ASSERT_EQ(rig.host.errors.size(), 1u) << w << "x" << h;
        EXPECT_NE(rig.host.errors[0].find("too small"), std::string::npos);
        EXPECT_EQ(rig.host.endStatus, 1);
    }
    Rig exact({"Fruit.Thm"});
    exact.Start();
    EXPECT_TRUE(exact.host.errors.empty());
}

TEST(ThemeSwitch, AnotherThemeMovesTheCheckAndRedrawsTheSameSymbols) {
    Rig rig({"A.Thm", "B.Thm", "C.Thm"});
    rig.Start();
    rig.clock.waits.clear();
    rig.Send(ev::MenuTheme{3});
    EXPECT_EQ(rig.m.ThemeIndex, 3);
    EXPECT_FALSE(rig.host.themeItems[1].checked);
    EXPECT_TRUE(rig.host.themeItems[3].checked);
    const int symbols[3][3] = {{6, 3, 2}, {2, 8, 11}, {3, 8, 0}};
    for (int r = 0; r < 3; ++r)
        for (int w = 0; w < 3; ++w) EXPECT_TRUE(ShowsSymbol(rig.m.hdcScreen, r, w, symbols[r][w], 3));
    for (int k = 0; k < 12; ++k) EXPECT_TRUE(ShowsPayCell(rig.m.hdcScreen, k, 3));
    EXPECT_EQ(rig.clock.WaitsMs(), std::vector<int>(8, 50));  // wiped in
    EXPECT_EQ(rig.m.hdcCompose, rig.m.hdcScreen);
}

TEST(ThemeSwitch, TheCheckedThemeIsNotReloaded) {
    Rig rig({"A.Thm", "B.Thm"});
    rig.Start();
    const auto loads = rig.images.loads.size();
    rig.clock.waits.clear();
    rig.Send(ev::MenuTheme{1});
    EXPECT_EQ(rig.images.loads.size(), loads);
    EXPECT_TRUE(rig.clock.waits.empty());
}

TEST(ThemeSwitch, AThemeFileSpoiltSinceStartUpKeepsTheCurrentTheme) {
    Rig rig({"A.Thm", "B.Thm"});
    rig.Start();
    rig.images.files.erase(rig.GfxFile("B.Thm"));
    const Surface before = rig.m.hdcScreen;
    rig.Send(ev::MenuTheme{2});
    EXPECT_EQ(rig.host.errors.size(), 1u);
    EXPECT_EQ(rig.m.ThemeIndex, 1);
    EXPECT_TRUE(rig.host.themeItems[1].checked);
    EXPECT_FALSE(rig.host.themeItems[2].checked);
    EXPECT_EQ(rig.m.hdcScreen, before);
    EXPECT_EQ(rig.host.endStatus, -1);
}

TEST(ThemeSwitch, TheChoiceIsStoredAtQuit) {
    Rig rig({"A.Thm", "B.Thm"});
    rig.Start();
    rig.Send(ev::MenuTheme{2});
    rig.Send(ev::MenuQuit{});
    EXPECT_EQ(rig.store.Value("GameCfg", "Theme"), "2");
    EXPECT_EQ(rig.store.Value("GameCfg", "ThmNr"), "2");
}

}  // namespace
}  // namespace fw::test
