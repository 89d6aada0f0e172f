// The high-score list and the statistics pages, and what the configuration
// dialog changes on them.
#include <gtest/gtest.h>

#include "fakes.h"
#include "presentation/bitmap_text.h"
#include "presentation/digits.h"
#include "records/screens.h"

namespace fw::test {
namespace {

// The text drawn opaque at (x, y) in one colour, n characters; '?' for a cell
// that shows no glyph of that colour.
std::string TextAt(const Surface& s, int x, int y, int n, int colour) {
    std::u32string alphabet(kFontAlphabet);
    std::string text;
    for (int i = 0; i < n; ++i) {
        char c = '?';
        for (int k = 0; k < 41; ++k) {
            if (ShowsSprite(s, x + 7 * i, y, 6, 7, 6 * k, 316 + 7 * colour)) {
                c = alphabet[k] < 128 ? static_cast<char>(alphabet[k]) : '*';
            }
        }
        text += c;
    }
    return text;
}

class Screens : public ::testing::Test {
protected:
    void SetUp() override { rig.StartPlaying(); }
    void SetPurse(int purse) { m.ScoreTable[0].Score = static_cast<Integer>(purse); }
    int LineY(int line) const { return 8 * line + 78; }
    // The player changes the configuration and answers OK.
    void Configure(std::function<void(ConfigValues&)> change) {
        rig.host.configDialog = [change](ConfigValues& v) {
            change(v);
            return true;
        };
        rig.Send(ev::MenuConfig{});
    }
    Rig rig;
    Machine& m = rig.m;
};

TEST_F(Screens, TheDefaultListWithAPurseOf20) {
    rig.Press(150, 120);
    EXPECT_EQ(m.ScreenMode, Screen::HighScores);
    EXPECT_EQ(m.HighScorePlace, 11);
    EXPECT_TRUE(m.hdcScreen.sameRect(83, 71, 137, 1, m.hdcCompose, 83, 71));
    EXPECT_TRUE(ShowsSprite(m.hdcScreen, 83, 71, 137, 3, 0, 218));  // the panel's top
    const char* names[] = {"ARDO", "BELO", "CIRA", "DOVO", "ELIN", "FAZU", "GEMO", "HALI", "ISKA", "JORU"};
    for (int k = 1; k <= 10; ++k) {
        const std::string number = std::to_string(k);
        EXPECT_EQ(TextAt(m.hdcScreen, k < 10 ? 92 : 88, LineY(k), static_cast<int>(number.size()), 0),
                  number);
        EXPECT_EQ(TextAt(m.hdcScreen, 110, LineY(k), 4, 0), names[k - 1]);
        const std::string score = std::to_string(160 - 10 * k);
        EXPECT_EQ(TextAt(m.hdcScreen, 216 - 7 * static_cast<int>(score.size()), LineY(k),
                         static_cast<int>(score.size()), 0),
                  score);
    }
    rig.Press(150, LineY(7) + 2);  // line 7 shows stored row 7
    EXPECT_EQ(m.StatPage, 7);
}

TEST_F(Screens, APurseOf120IsPreviewedOnLine4) {
    SetPurse(120);
    m.ScoreTable[0].Name = "Tess";
    rig.Press(150, 120);
    EXPECT_EQ(m.HighScorePlace, 4);
    EXPECT_EQ(TextAt(m.hdcScreen, 110, LineY(4), 4, 1), "TESS");
    EXPECT_EQ(TextAt(m.hdcScreen, 195, LineY(4), 3, 1), "120");
    EXPECT_EQ(TextAt(m.hdcScreen, 92, LineY(4), 1, 1), "4");
    EXPECT_EQ(TextAt(m.hdcScreen, 110, LineY(5), 4, 0), "DOVO");
    EXPECT_EQ(TextAt(m.hdcScreen, 110, LineY(10), 4, 0), "ISKA");  // Joru's 60 is gone
    EXPECT_EQ(m.ScoreTable[10].Name, "Joru");                      // the table itself is untouched
}

TEST_F(Screens, LinesAroundTheCurrentRunMapOntoTheStoredRows) {
    SetPurse(120);
    struct Case {
        int line;
        int page;
    };
    for (const Case c : {Case{4, 0}, Case{5, 4}, Case{3, 3}, Case{10, 9}}) {
        rig.Press(150, 120);  // the list (again)
        ASSERT_EQ(m.HighScorePlace, 4);
        rig.Press(150, LineY(c.line) + 2);
        EXPECT_EQ(m.StatPage, c.page) << "line " << c.line;
        EXPECT_EQ(m.ElapsedTimerOn, c.page == 0);
        rig.Press(150, 120);  // back to the reels
        ASSERT_EQ(m.ScreenMode, Screen::Reels);
    }
}

TEST_F(Screens, APurseEqualToLine10TakesLine10) {
    SetPurse(60);
    rig.Press(150, 120);
    EXPECT_EQ(m.HighScorePlace, 10);
}

TEST_F(Screens, ARightPressShowsTheCurrentRunsPageWithoutAFlash) {
    SetPurse(120);
    rig.Press(150, 120);
    rig.Press(150, 100, 2);  // back to the reels, HighScorePlace still 4
    rig.clock.waits.clear();
    rig.Press(150, 120, 2);
    EXPECT_EQ(m.StatPage, 0);
    EXPECT_EQ(rig.clock.WaitsMs(), std::vector<int>(8, 50));  // the wipe only
    EXPECT_EQ(m.HighScorePlace, 0);
}

TEST_F(Screens, TheFlashLeavesTheLineAsItWas) {
    rig.Press(150, 120);
    const Surface list = m.hdcScreen;
    rig.clock.waits.clear();
    std::vector<Surface> frames;
    rig.clock.onWait = [&] { frames.push_back(m.hdcScreen); };
    rig.Press(150, LineY(3) + 2);
    ASSERT_GE(frames.size(), 11u);
    const int y = 8 * 2 + 86;
    for (int pass = 0; pass < 10; ++pass) {
        const bool black = pass % 2 == 0;
        const bool dark = frames[pass].sameRect(86, y, 131, 7, Surface(131, 7), 0, 0);
        const bool asBefore = frames[pass].sameRect(86, y, 131, 7, list, 86, y);
        EXPECT_TRUE(black ? dark : asBefore) << pass;
    }
    EXPECT_EQ(rig.clock.WaitsMs()[10], 150);
}

TEST_F(Screens, ADefaultRowsPageShowsEveryValueInYellow) {
    rig.Press(150, 120);
    rig.Press(150, LineY(2) + 2);
    ASSERT_EQ(m.StatPage, 2);
    for (int k = 0; k < 12; ++k) {
        const int x = CentredX(1, 135 + 69 * (k / 6));
        EXPECT_EQ(TextAt(m.hdcScreen, x, 86 + 10 * (k % 6), 1, 1), "0") << k;
    }
    EXPECT_EQ(TextAt(m.hdcScreen, CentredX(1, 138), 158, 1, 1), "0");
    EXPECT_EQ(TextAt(m.hdcScreen, CentredX(1, 201), 158, 1, 1), "0");
    EXPECT_EQ(TextAt(m.hdcScreen, 159, 147, 8, 1), "00:00:00");
    for (int k = 0; k < 12; ++k) {
        EXPECT_TRUE(
            m.hdcScreen.sameRect(87 + 69 * (k / 6), 86 + 10 * (k % 6), 33, 7, ThemePicture(1), 33 * k, 30));
    }
}

TEST_F(Screens, PositiveCountsAreWhiteAndZeroCountsYellow) {
    m.ScoreTable[3].Stat[4] = 12;
    m.ScoreTable[3].Played = 7;
    m.ScoreTable[3].ETime = 3'723'000;
    rig.Press(150, 120);
    rig.Press(150, LineY(3) + 2);
    EXPECT_EQ(TextAt(m.hdcScreen, CentredX(2, 135), 86 + 40, 2, 0), "12");
    EXPECT_EQ(TextAt(m.hdcScreen, CentredX(1, 135), 86 + 30, 1, 1), "0");
    EXPECT_EQ(TextAt(m.hdcScreen, CentredX(1, 138), 158, 1, 0), "7");
    EXPECT_EQ(TextAt(m.hdcScreen, 159, 147, 8, 0), "01:02:03");
}

TEST_F(Screens, RenamingOnTheListRewritesOnlyTheCurrentRunsLine) {
    SetPurse(120);
    m.ScoreTable[0].Name = "Maximilian";
    rig.Press(150, 120);
    const Surface before = m.hdcScreen;
    Configure([](ConfigValues& v) { v.name = "Bo"; });
    EXPECT_EQ(TextAt(m.hdcScreen, 110, LineY(4), 10, 1), "BO        ");
    for (int y = 0; y < 256; ++y) {
        if (y >= LineY(4) && y < LineY(4) + 7) continue;
        ASSERT_TRUE(m.hdcScreen.sameRect(0, y, 320, 1, before, 0, y)) << y;
    }
    EXPECT_EQ(m.hdcScreen, m.hdcCompose);
}

TEST_F(Screens, RenamingWhileTheRunIsNotOnTheListRedrawsNothing) {
    rig.Press(150, 120);
    const Surface before = m.hdcScreen;
    Configure([](ConfigValues& v) { v.name = "Bo"; });
    EXPECT_EQ(m.hdcScreen, before);
    EXPECT_EQ(m.ScoreTable[0].Name, "Bo");
}

TEST_F(Screens, RenamingOnTheCurrentRunsPageRetitlesIt) {
    m.ScoreTable[0].Name = "Maximilian";
    rig.Press(150, 120, 2);
    Configure([](ConfigValues& v) { v.name = "Bo"; });
    // The title bar is cleared and the new name drawn centred on 152, transparently.
    const int x = CentredX(2, 152);
    EXPECT_EQ(x, 145);
    for (int j = 0; j < 7; ++j) {
        for (int i = 0; i < 6; ++i) {
            const std::uint32_t bar = SpritePixel(140 + (x + i - 86), 221 + (75 + j - 74));
            const int b = 1;  // 'B'
            const std::uint32_t want =
                (bar & SpritePixel(6 * b + i, 330 + j)) ^ SpritePixel(6 * b + i, 323 + j);
            ASSERT_EQ(m.hdcScreen.pixel(x + i, 75 + j), want);
        }
    }
    EXPECT_TRUE(ShowsSprite(m.hdcScreen, 86, 74, 50, 9, 140, 221));  // the old name is gone on the left
}

TEST_F(Screens, RenamingOnAStoredRowsPageRedrawsNothing) {
    rig.Press(150, 120);
    rig.Press(150, LineY(2) + 2);
    const Surface before = m.hdcScreen;
    Configure([](ConfigValues& v) { v.name = "Bo"; });
    EXPECT_EQ(m.hdcScreen, before);
}

TEST_F(Screens, AResetWhileTheListShowsRedrawsItWithTheDefaults) {
    m.ScoreTable[1].Name = "Zed";
    m.ScoreTable[1].Score = 900;
    rig.Press(150, 120);
    EXPECT_EQ(TextAt(m.hdcScreen, 110, LineY(1), 3, 0), "ZED");
    Configure([](ConfigValues& v) { v.resetHighScores = true; });
    EXPECT_EQ(TextAt(m.hdcScreen, 110, LineY(1), 4, 0), "ARDO");
    EXPECT_EQ(m.ResetHighScores, False);
    EXPECT_EQ(m.ScreenMode, Screen::HighScores);
}

TEST_F(Screens, AResetFromThePlayScreenChangesNothingVisible) {
    m.ScoreTable[1].Name = "Zed";
    const Surface before = m.hdcScreen;
    Configure([](ConfigValues& v) { v.resetHighScores = true; });
    EXPECT_EQ(m.hdcScreen, before);
    EXPECT_EQ(m.ScoreTable[1].Name, "Ardo");
}

TEST_F(Screens, CancelChangesNothing) {
    rig.host.configDialog = [](ConfigValues& v) {
        v.name = "Other";
        v.speed = 3;
        v.soundOn = 0;
        v.resetHighScores = true;
        return false;
    };
    m.ScoreTable[1].Name = "Zed";
    rig.Send(ev::MenuConfig{});
    EXPECT_EQ(m.ScoreTable[0].Name, "NoName");
    EXPECT_EQ(m.Speed, 50);
    EXPECT_EQ(m.SoundOn, 1);
    EXPECT_EQ(m.ScoreTable[1].Name, "Zed");
}

TEST_F(Screens, TheDialogOpensWithTheMachinesValuesAndOkStoresThem) {
    rig.host.configDialog = [](ConfigValues& v) {
        v.speed = 0;
        v.soundOn = 0;
        return true;
    };
    rig.Send(ev::MenuConfig{});
    ASSERT_EQ(rig.host.configShown.size(), 1u);
    EXPECT_EQ(rig.host.configShown[0].name, "NoName");
    EXPECT_EQ(rig.host.configShown[0].speed, 50);
    EXPECT_EQ(rig.host.configShown[0].soundOn, 1);
    EXPECT_TRUE(rig.host.configShown[0].soundAvailable);
    EXPECT_EQ(m.Speed, 0);
    EXPECT_EQ(m.SoundOn, 0);
    rig.ForgetSounds();
    rig.PullLever();  // no credit: the refusal is silent now
    EXPECT_TRUE(rig.sound.calls.empty());
    rig.Send(ev::MenuQuit{});
    EXPECT_EQ(rig.store.Value("GameCfg", "Speed"), "0");
    EXPECT_EQ(rig.store.Value("GameCfg", "Sound"), "0");
}

TEST_F(Screens, TheHelpMenuOpensTheAboutWindowAndTheManual) {
    rig.Send(ev::MenuAbout{});
    rig.Send(ev::MenuManual{});
    EXPECT_NE(std::find(rig.host.calls.begin(), rig.host.calls.end(), "ShowAbout 5.1"), rig.host.calls.end());
    EXPECT_NE(std::find(rig.host.calls.begin(), rig.host.calls.end(),
                        "ShowManual " + rig.folder.string() + "/manual.txt"),
              rig.host.calls.end());
}

}  // namespace
}  // namespace fw::test
