// The player's records: start-up and quit, the high-score list, spoilt values, the record screens;
// a name holds no control characters, however it comes in, and every letter of the alphabet draws.
#include <gtest/gtest.h>

#include "fakes.h"
#include "presentation/bitmap_text.h"
#include "records/recovery.h"
#include "records/settings.h"

namespace fw::test {
namespace {

// Starts, lets the run end with a purse and a play time, and quits.
void PlayAndQuit(Rig& rig, Integer purse, int playMs = 0) {
    rig.Start();
    rig.m.records.ScoreTable[0].Score = purse;
    rig.clock.Advance(std::chrono::milliseconds(playMs));
    rig.Send(ev::MenuQuit{});
}

std::vector<std::string> ListNames(const MemoryStore& store) {
    std::vector<std::string> names;
    for (int n = 1; n <= 10; ++n) names.push_back(store.Value(HighSection(n), "Name"));
    return names;
}

const std::vector<std::string> kDefaults{"Ardo", "Belo", "Cira", "Dovo", "Elin",
                                         "Fazu", "Gemo", "Hali", "Iska", "Joru"};

TEST(Store, TheRunEntersAboveEqualScoresWithItsPlayTime) {
    Rig rig;
    rig.clock.StartAt(0xFFFFFFFFu - 2000);  // the tick count wraps during the run
    rig.store.Set("GameCfg", "Name", "Tess");
    rig.Start();
    ScoreRecord& run = rig.m.records.ScoreTable[0];
    run.Score = 130, run.Played = 42, run.Wun = 7, run.Stat[4] = 3;
    rig.clock.Advance(std::chrono::milliseconds(61'000));
    rig.Send(ev::MenuQuit{});
    std::vector<std::string> expected = kDefaults;
    expected.insert(expected.begin() + 2, "Tess");
    expected.pop_back();
    EXPECT_EQ(ListNames(rig.store), expected);
    const std::map<std::string, std::string> row{
        {"Score", "130"}, {"Played", "42"}, {"Wun", "7"}, {"Stat-04", "3"}, {"ETime", "61800"}};
    for (const auto& [key, value] : row) EXPECT_EQ(rig.store.Value("High-03", key), value) << key;
    EXPECT_EQ(rig.m.records.ScoreTable[0].ETime, 0);
    EXPECT_EQ(FormatPlayTime(25 * 3'600'000 + 59'000), "01:00:59");  // a page shows the hours of a day

    Rig next;  // the next run reads what this one wrote
    next.store.durable = rig.store.durable;
    PlayAndQuit(next, 70);  // equal to row 10: enters there
    EXPECT_EQ(next.m.records.ScoreTable[0].Name, "Tess");
    EXPECT_EQ(next.store.Value("High-10", "Name"), "Tess");
    EXPECT_EQ(next.store.Value("High-03", "ETime"), "61800");
    EXPECT_EQ(next.store.Value("High-09", "Name"), "Hali");
}

TEST(Store, SpoiltValuesFallBackToTheirDefaults) {
    Rig rig;
    const std::map<std::string, std::string> spoilt{
        {"GameCfg/Sound", "yes"},         {"GameCfg/Speed", "12abc"},
        {"High-02/Score", "40000"},       {"High-02/Played", " 5"},
        {"High-02/ETime", "99999999999"}, {"High-02/Stat-03", "3.5"},
        {"High-05/Score", "-7"},          {"GameCfg/Name", "Bartholomew the Great"},
        {"GameCfg/Theme", "0"},           {"High-03/Name", "ÅsaÖstergrenÄ"},
        {"GameCfg/Volume", "101"}};
    for (const auto& [key, value] : spoilt) rig.store.durable[key] = value;
    rig.Start();
    const Machine& m = rig.m;
    EXPECT_TRUE(m.config.SoundOn == 1 && m.config.Speed == 50 && m.records.ScoreTable[5].Score == 110 &&
                m.config.Volume == 100);
    const ScoreRecord& row = m.records.ScoreTable[2];
    EXPECT_TRUE(row.Score == 140 && row.Played == 0 && row.ETime == 0 && row.Stat[3] == 0);
    EXPECT_EQ(m.records.ScoreTable[0].Name, "Bartholome");
    EXPECT_EQ(m.records.ScoreTable[3].Name, "ÅsaÖstergr");
    EXPECT_EQ(m.themes.ThemeIndex, 1);
    EXPECT_EQ(rig.host.messages, std::vector<std::string>{}) << "a value falls back without a word";
    for (const auto& [speed, kept] : {std::pair{"250", 100}, {"-4", 0}, {"37", 37}}) {
        Rig other;
        other.store.Set("GameCfg", "Speed", speed);
        other.Start();
        EXPECT_EQ(other.m.config.Speed, kept) << speed;
    }
}

TEST(Store, TheThemeFallsBackToTheFirstWhenTheThemeFilesChanged) {
    for (const auto& [stored, count, expected] :
         {std::tuple{"2", "3", 2}, {"3", "3", 3}, {"2", "2", 1}, {"4", "3", 1}}) {
        Rig rig({"A.Thm", "B.Thm", "C.Thm"});
        rig.store.Set("GameCfg", "Theme", stored);
        rig.store.Set("GameCfg", "ThmNr", count);
        rig.Start();
        EXPECT_EQ(rig.m.themes.ThemeIndex, expected) << stored << " of " << count;
        EXPECT_TRUE(rig.host.themeItems[expected].checked);
        EXPECT_TRUE(ShowsSymbol(rig.m.display.hdcScreen, 0, 0, 6, expected));
    }
}

class RecordScreens : public ::testing::Test {
protected:
    void SetUp() override {
        rig.StartPlaying();
        m.records.ScoreTable[0].Score = 120;  // ties with line 4 and goes above it
    }
    void PressLine(int line, int button = 1) { rig.PressOn(places::ListLineStrip(line), button); }
    Rig rig;
    Machine& m = rig.m;
};

TEST_F(RecordScreens, EachLineOfTheListOpensItsPageAndThePageLeadsBack) {
    for (const auto& [line, page] : {std::pair{4, 0}, {5, 4}, {3, 3}, {10, 9}}) {
        rig.PressOn(places::DisplayWindow);
        EXPECT_EQ(m.records.HighScorePlace, 4);
        PressLine(line);
        EXPECT_EQ(m.records.StatPage, page) << "line " << line;
        EXPECT_EQ(rig.host.timerEnabled[TimerId::ElapsedTime], page == 0);
        EXPECT_FALSE(rig.host.menuEnabled[MenuId::Theme]);
        rig.PressOn(places::DisplayWindow, 2);  // the right button does nothing here
        rig.PressOn(places::DisplayWindow);
        EXPECT_EQ(m.display.ScreenMode, Screen::Reels);
        EXPECT_TRUE(rig.host.menuEnabled[MenuId::Theme] && !rig.host.timerEnabled[TimerId::ElapsedTime]);
    }
    // A tie with the tenth line is on the list, as the quit enters it; one coin fewer is not.
    m.records.ScoreTable[0].Score = m.records.ScoreTable[10].Score;
    rig.PressOn(places::DisplayWindow);
    EXPECT_EQ(m.records.HighScorePlace, 10);
    PressLine(7, 2);
    m.records.ScoreTable[0].Score = m.records.ScoreTable[10].Score - 1;
    rig.PressOn(places::DisplayWindow);
    EXPECT_EQ(m.records.HighScorePlace, 11);
    const Surface list = m.display.hdcScreen;
    rig.Configure([](ConfigValues& v) { v.name = "Cy"; });
    EXPECT_EQ(m.display.hdcScreen, list) << "a new name of a run not on the list";
    PressLine(7, 2);  // back to the reels
    EXPECT_EQ(m.display.ScreenMode, Screen::Reels);
}

TEST_F(RecordScreens, TheDialogShowsAndStoresTheMachinesValuesAndAResetRestoresTheList) {
    rig.host.configDialog = [](ConfigValues& v) { return v.name = "Ed", v.resetHighScores = true, false; };
    rig.Send(ev::MenuConfig{});  // cancelled: nothing changes
    EXPECT_TRUE(m.records.ScoreTable[0].Name == "NoName" && m.config.ResetHighScores == False);
    m.records.ScoreTable[3] = {"Zed", 500, {}, 1000, 9, 1};
    ConfigValues shown;
    rig.host.configDialog = [&](ConfigValues& v) {
        shown = v;
        v.soundOn = 0, v.speed = 130, v.resetHighScores = true;
        return true;
    };
    rig.PressOn(places::DisplayWindow);
    rig.Send(ev::MenuConfig{});
    EXPECT_TRUE(shown.name == "NoName" && shown.soundOn == 1 && shown.speed == 50 && shown.soundAvailable);
    // A name the font draws whole has no preview; one with a letter it has not shows as the list
    // would draw it: its place empty, the next letter the yellow glyph.
    EXPECT_TRUE(shown.namePreview("Zoë-Ñúñez!").empty());
    const Surface preview = shown.namePreview("Đuro");
    const Cell u = cells::Glyph(static_cast<int>(kFontAlphabet.find(U'U')), FontColour::Yellow);
    EXPECT_TRUE(preview.width() == 4 * kGlyphPitch + 1 && preview.pixel(3, 3) == 0 &&
                preview.pixel(1 + kGlyphPitch + 2, 3) == SpritePixel(u.x + 2, u.y + 2));
    EXPECT_TRUE(m.config.SoundOn == 0 && m.config.Speed == 100);
    EXPECT_TRUE(m.records.ScoreTable[3].Name == "Cira" && m.records.ScoreTable[3].Played == 0 &&
                m.records.ScoreTable[0].Score == 120);
    EXPECT_TRUE(m.display.ScreenMode == Screen::HighScores && m.records.HighScorePlace == 4);
    rig.Forget();
    rig.PressOn(places::DisplayWindow, 2);
    EXPECT_TRUE(rig.sound.calls.empty());  // the sound is off
    rig.Send(ev::MenuQuit{});
    EXPECT_EQ(rig.store.Value("GameCfg", "Sound"), "0");
    EXPECT_EQ(rig.store.Value("High-03", "Name"), "Cira");
    EXPECT_EQ(rig.store.Value("High-04", "Name"), "NoName");
}

struct NameRow {
    const char* what;
    std::string given;
    std::string kept;
};

const NameRow kNames[] = {
    {"ALineBreakPastedWithIt", "Tess\n", "Tess"},
    {"ACarriageReturnAndLineFeed", "Tess\r\n", "Tess"},
    {"ATabInside", "Ann\tLee", "AnnLee"},
    {"AStrayEscapeAndDelete", "\x1bJo\x7f", "Jo"},
    {"TheFirstAndLastC1ControlsInUtf8",
     "M\xc2\x80"
     "ax\xc2\x9f",
     "Max"},
    {"ElevenLettersAfterALineBreakCutToTen", "\nAbcdefghijk", "Abcdefghij"},
    {"SpacesAndAccentsStay", " J\xc3\xa9r\xc3\xb4me \xc2\xa0", " J\xc3\xa9r\xc3\xb4me \xc2\xa0"},
    {"AUnitSeparatorJustBelowTheSpace", "Q\x1f", "Q"},
    {"BytesThatAreNoUtf8",
     "Jo\xbe\x90"
     "e\xc2\x01\x80",
     "Joe"},
};

class Names : public ::testing::TestWithParam<NameRow> {};

TEST_P(Names, AreKeptWithoutControlCharactersTypedReadFromTheFileOrFromTheRunRecord) {
    const NameRow& row = GetParam();
    {
        Rig typed;
        typed.StartPlaying();
        typed.Configure([&](ConfigValues& values) { values.name = row.given; });
        typed.Send(ev::MenuQuit{});
        EXPECT_EQ(typed.store.Value("GameCfg", "Name"), row.kept) << "typed";
    }
    {
        Rig stored;
        stored.store.Set("GameCfg", "Name", row.given);
        stored.store.Set(HighSection(4), "Name", row.given);
        stored.Start();
        EXPECT_EQ(stored.m.records.ScoreTable[0].Name, row.kept) << "the player's name in the file";
        EXPECT_EQ(stored.m.records.ScoreTable[4].Name, row.kept) << "a row's name in the file";
    }
    // A line of the run record cannot hold a line break; the rest it can.
    if (row.given.find_first_of("\r\n") == std::string::npos) {
        Rig recovered;
        recovered.store.runRecord = RunRecordText({.Name = row.given, .Score = 5000});
        recovered.Start();
        EXPECT_EQ(recovered.m.records.ScoreTable[1].Name, row.kept) << "the run record";
        EXPECT_EQ(recovered.store.Value(HighSection(1), "Name"), row.kept) << "the run record";
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, Names, ::testing::ValuesIn(kNames),
                         [](const auto& info) { return std::string(info.param.what); });

// The machine's letters: A to Z, Å, Ä and Ö, each drawn; a small letter as its capital.
TEST(Letters, EveryLetterOfTheMachinesAlphabetDrawsAndItsSmallLetterDrawsAsTheCapital) {
    Rig rig;
    rig.Start();
    const std::string capitals = "ABCDEFGHIJKLMNOPQRSTUVWXYZ\u00C5\u00C4\u00D6";
    const std::string small = "abcdefghijklmnopqrstuvwxyz\u00E5\u00E4\u00F6";
    auto drawn = [&](const std::string& text) {
        Surface target(kScreenWidth, 12);
        DrawBitmapText(rig.m, 0, 0, text, FontColour::Yellow, target, false);
        return target;
    };
    const Surface blank = drawn(" ");
    for (std::size_t c = 0, s = 0; c < capitals.size(); ++c, ++s) {
        const std::size_t bytes = static_cast<unsigned char>(capitals[c]) >= 0xC0 ? 2 : 1;
        const std::string capital = capitals.substr(c, bytes), letter = small.substr(s, bytes);
        c += bytes - 1, s += bytes - 1;
        EXPECT_NE(drawn(capital), blank) << capital;
        EXPECT_EQ(drawn(letter), drawn(capital)) << letter;
    }
}

}  // namespace
}  // namespace fw::test
