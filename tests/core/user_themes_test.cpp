// The player's own reel themes beside the shipped ones.
#include <gtest/gtest.h>

#include <fstream>

#include "fakes.h"

namespace fw::test {
namespace {

// A rig whose player keeps themes of their own, each with a numbered picture.
void OwnThemes(Rig& rig, std::vector<std::pair<std::string, int>> themes) {
    const auto own = rig.folder / "own";
    std::filesystem::create_directories(own);
    rig.m.UserGfxPath = own.string() + "/";
    for (const auto& [name, theme] : themes) {
        std::ofstream(own / name) << "mine";
        rig.images.files[rig.m.UserGfxPath + name] = ThemePicture(theme);
    }
}

TEST(UserThemes, ShowBesideTheShippedOnesAndOneNamedLikeAShippedOneTakesItsPlace) {
    Rig rig({"Fruit.Thm", "Gems.Thm"});
    OwnThemes(rig, {{"fruit.thm", 7}, {"Cards.Thm", 8}});
    rig.Start();
    EXPECT_EQ(
        rig.host.themeItems[1].caption + rig.host.themeItems[2].caption + rig.host.themeItems[3].caption,
        "&Cards&fruit&Gems");
    EXPECT_TRUE(ShowsSymbol(rig.m.hdcCompose, 0, 1, rig.m.Strip[18][0], 8));
    rig.Send(ev::MenuTheme{2});
    EXPECT_TRUE(ShowsSymbol(rig.m.hdcScreen, 0, 1, rig.m.Strip[18][0], 7));
}

TEST(UserThemes, CountTowardsTheTen) {
    Rig rig({"A.Thm", "B.Thm", "C.Thm", "D.Thm", "E.Thm", "F.Thm"});
    OwnThemes(rig, {{"G.Thm", 7}, {"H.Thm", 7}, {"I.Thm", 7}, {"J.Thm", 7}, {"K.Thm", 7}});
    rig.Start();
    EXPECT_TRUE(rig.m.ended);
    EXPECT_NE(rig.host.errors.at(0).find("Too Many"), std::string::npos);
}

}  // namespace
}  // namespace fw::test
