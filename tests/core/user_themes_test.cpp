// The player's own reel themes beside the shipped ones, and one added in the browser.
#include <gtest/gtest.h>

#include "fakes.h"
#include "shell/menus.h"

namespace fw::test {
namespace {

TEST(UserThemes, ShowBesideTheShippedOnesAndOneNamedLikeAShippedOneTakesItsPlace) {
    Rig rig({"Fruit.Thm", "Gems.Thm"});
    OwnThemes(rig, {{"fruit.thm", 7}, {"Cards.Thm", 8}});
    rig.Start();
    EXPECT_EQ(
        rig.host.themeItems[1].caption + rig.host.themeItems[2].caption + rig.host.themeItems[3].caption,
        "&Cards&fruit&Gems");
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
struct Added {
    const char* name;
    int shipped;       // themes there already
    const char* file;  // the name it is kept under
    int width;         // of the picture (37 high); 0: no picture at all
    const char* told;  // "" when it is taken
};
class AddedTheme : public ::testing::TestWithParam<Added> {};

TEST_P(AddedTheme, IsTakenOnlyAsTheScanWouldTakeIt) {
    const Added& a = GetParam();
    std::vector<std::string> shipped;
    for (int i = 1; i <= a.shipped; ++i) shipped.push_back("T" + std::to_string(i) + ".Thm");
    Rig rig(shipped);
    rig.Start();
    if (a.width) rig.images.files["picked"] = ThemePicture(7, a.width);
    const std::string told = AddThemeCheck(rig.m, "picked", a.file);
    EXPECT_NE(told.find(a.told), std::string::npos) << told;
    EXPECT_EQ(told.empty(), !*a.told) << told;
}

INSTANTIATE_TEST_SUITE_P(Browser, AddedTheme,
                         ::testing::Values(Added{"APicture", 3, "Mine.Thm", 435, ""},
                                           Added{"OneTooNarrow", 3, "Mine.Thm", 434,
                                                 "\"picked\" cannot be loaded: it is too small (434 x 37"},
                                           Added{"NoPicture", 3, "Mine.Thm", 0,
                                                 "\"picked\" cannot be loaded"},
                                           Added{"AnEleventh", 10, "Mine.Thm", 435, "Too Many 'Thm' Files"},
                                           Added{"OneInPlaceOfATenth", 10, "t10.thm", 435, ""}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace fw::test
