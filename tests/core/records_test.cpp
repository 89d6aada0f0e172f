// The player's records over the machine's settings store: the list and its screens, names, the run record.
#include <gtest/gtest.h>

#include <algorithm>

#include "fakes.h"
#include "presentation/bitmap_text.h"
#include "records/recovery.h"
#include "records/settings.h"
#include "shell/quit.h"

namespace fw::test {
namespace {

std::vector<std::string> ListNames(const MemoryStore& store) {
    std::vector<std::string> names;
    for (int n = 1; n <= 10; ++n) names.push_back(store.Value(HighSection(n), "Name"));
    return names;
}

// How many lines of the list bear the name.
long Entries(const MemoryStore& store, const std::string& name) {
    const std::vector<std::string> names = ListNames(store);
    return std::count(names.begin(), names.end(), name);
}

TEST(Store, TheRunEntersAboveEqualScoresWithItsPlayTime) {
    Rig rig;
    rig.clock.StartAt(0xFFFFFFFFu - 2000);  // the tick count wraps during the run
    rig.store.Set("GameCfg", "Name", "Tess");
    rig.Start();
    ScoreRecord& run = rig.m.records.ScoreTable[0];
    run.Score = 130, run.Played = 42, run.Wun = 7, run.Stat[4] = 3;
    rig.clock.Advance(std::chrono::milliseconds(61'000));
    rig.Send(ev::MenuQuit{});
    std::vector<std::string> names{"Ardo", "Belo", "Tess", "Cira", "Dovo",
                                   "Elin", "Fazu", "Gemo", "Hali", "Iska"};
    EXPECT_EQ(ListNames(rig.store), names);
    const std::map<std::string, std::string> row{
        {"Score", "130"}, {"Played", "42"}, {"Wun", "7"}, {"Stat-04", "3"}, {"ETime", "61800"}};
    for (const auto& [key, value] : row) EXPECT_EQ(rig.store.Value("High-03", key), value) << key;
    EXPECT_EQ(FormatPlayTime(25 * 3'600'000 + 59'000), "01:00:59");  // a page shows the hours of a day

    NextRun next(rig.store);  // reads what this one wrote
    next.SetPurse(70);        // equal to row 10: enters there
    next.Send(ev::MenuQuit{});
    names.back() = "Tess";
    EXPECT_EQ(ListNames(next.store), names);
    EXPECT_EQ(next.store.Value("High-03", "ETime"), "61800");
}

TEST(Store, SpoiltValuesFallBackToTheirDefaults) {
    Rig rig;
    rig.store.durable = {{"GameCfg/Sound", "yes"},         {"GameCfg/Speed", "12abc"},
                         {"High-02/Played", " 5"},         {"GameCfg/Name", "Bartholomew the Great"},
                         {"High-02/ETime", "99999999999"}, {"High-02/Stat-03", "3.5"},
                         {"GameCfg/Theme", "0"},           {"High-03/Name", "ÅsaÖstergrenÄ"},
                         {"GameCfg/Volume", "101"}};
    rig.Start();
    const Machine& m = rig.m;
    EXPECT_TRUE(m.config.SoundOn == 1 && m.config.Speed == 50 && m.config.Volume == 100);
    const ScoreRecord& row = m.records.ScoreTable[2];
    EXPECT_TRUE(row.Played == 0 && row.ETime == 0 && row.Stat[3] == 0);
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
        EXPECT_TRUE(rig.host.themeItems[expected].checked) << stored << " of " << count;
        EXPECT_TRUE(ShowsSymbol(rig.m.display.hdcScreen, 0, 0, 6, expected));
    }
}

class RecordScreens : public ::testing::Test {
protected:
    void SetUp() override {
        rig.StartPlaying();
        rig.SetPurse(120);  // ties with line 4 and goes above it
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
    rig.PressOn(places::DisplayWindow);
    rig.Configure(
        [&](ConfigValues& v) { shown = v, v.soundOn = 0, v.speed = 130, v.resetHighScores = true; });
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
    rig.Send(ev::MenuQuit{});
    EXPECT_EQ(rig.store.Value("GameCfg", "Sound"), "0");
    EXPECT_EQ(rig.store.Value("High-03", "Name"), "Cira");
    EXPECT_EQ(rig.store.Value("High-04", "Name"), "NoName");
}

struct NameRow {
    const char* what;
    std::string given, kept;
};

const NameRow kNames[] = {
    {"ALineBreakPastedWithIt", "Tess\n", "Tess"},
    {"ACarriageReturnAndLineFeed", "Tess\r\n", "Tess"},
    {"ATabInside", "Ann\tLee", "AnnLee"},
    {"AStrayEscapeAndDelete", "\x1bJo\x7f", "Jo"},
    {"TheFirstAndLastC1ControlsInUtf8", "M\u0080ax\u009f", "Max"},
    {"ElevenLettersAfterALineBreakCutToTen", "\nAbcdefghijk", "Abcdefghij"},
    {"SpacesAndAccentsStay", " J\xc3\xa9r\xc3\xb4me \xc2\xa0", " J\xc3\xa9r\xc3\xb4me \xc2\xa0"},
    {"AUnitSeparatorJustBelowTheSpace", "Q\x1f", "Q"},
    {"BytesThatAreNoUtf8", "Jo\xbe\x90y\xc2\x01\x80", "Joy"},
};

class Names : public ::testing::TestWithParam<NameRow> {};

TEST_P(Names, AreKeptWithoutControlCharactersTypedReadFromTheFileOrFromTheRunRecord) {
    const NameRow& row = GetParam();
    // In the file, and in the record (its line holds no line break) of a run that enters at line 10.
    Rig rig;
    rig.store.Set("GameCfg", "Name", row.given);
    rig.store.Set(HighSection(4), "Name", row.given);
    const bool recorded = row.given.find_first_of("\r\n") == std::string::npos;
    if (recorded) rig.store.runRecord = RunRecordText({.Name = row.given, .Score = 65});
    rig.Start();
    EXPECT_EQ(rig.m.records.ScoreTable[0].Name, row.kept) << "the player's name in the file";
    EXPECT_EQ(rig.m.records.ScoreTable[4].Name, row.kept) << "a row's name in the file";
    if (recorded) {
        EXPECT_EQ(rig.store.Value(HighSection(10), "Name"), row.kept) << "the run record";
    }
    rig.Configure([&](ConfigValues& values) { values.name = row.given; });
    rig.Send(ev::MenuQuit{});
    EXPECT_EQ(rig.store.Value("GameCfg", "Name"), row.kept) << "typed";
}

INSTANTIATE_TEST_SUITE_P(Rows, Names, ::testing::ValuesIn(kNames),
                         [](const auto& info) { return std::string(info.param.what); });

TEST(Letters, EveryLetterOfTheMachinesAlphabetDrawsAndItsSmallLetterDrawsAsTheCapital) {
    Rig rig;
    rig.Start();
    std::vector<std::pair<std::string, std::string>> letters{
        {"\u00C5", "\u00E5"}, {"\u00C4", "\u00E4"}, {"\u00D6", "\u00F6"}};
    for (char c = 'A'; c <= 'Z'; ++c) letters.push_back({std::string(1, c), std::string(1, c - 'A' + 'a')});
    auto drawn = [&](const std::string& text) {
        Surface target(kScreenWidth, 12);
        DrawBitmapText(rig.m, 0, 0, text, FontColour::Yellow, target, false);
        return target;
    };
    const Surface blank = drawn(" ");
    for (const auto& [capital, letter] : letters) {
        EXPECT_NE(drawn(capital), blank) << capital;
        EXPECT_EQ(drawn(letter), drawn(capital)) << letter;
    }
}

// On a list of 90, 80, ..., 0 coins (or of 1000 coins but the tenth line's 0): a stack of coins, a game,
// the player renames herself Tess, two more games. The run ends where the caller says.
struct PlayedRun {
    explicit PlayedRun(bool tenth = false) : random(20240607), rig({"Fruit.Thm"}, nullptr, &random) {
        for (int n = 1; n <= 10; ++n)
            rig.store.Set(HighSection(n), "Score",
                          std::to_string(tenth ? (n < 10 ? 1000 : 0) : 100 - 10 * n));
        rig.StartPlaying();
        rig.InsertCoins(3);
        rig.PullLever();
        rig.Configure([](ConfigValues& values) { values.name = "Tess"; });
        rig.PullLever();
        rig.PullLever();
    }
    SeededRandom random;
    Rig rig;
};

TEST(RunRecord, FollowsTheGamesAndTheName) {
    PlayedRun run;
    std::vector<std::string> kept;
    for (const auto& text : run.rig.store.runRecords) {
        const auto record = ParseRunRecord(text);
        kept.push_back(record ? record->Name + " " + std::to_string(record->Played) : text);
    }
    // The coins, each game and the new name; the clock's ticks change nothing.
    EXPECT_EQ(kept, (std::vector<std::string>{"NoName 0", "NoName 1", "Tess 1", "Tess 2", "Tess 3"}));
}

// Killed before its quit (a crash: the record is not marked suspended) or between the quit's save and the
// record's removal, with the run mid-list or on its tenth line.
TEST(RunRecord, ARunCutShortEntersTheListOnceWithWhatItsQuitWouldHaveEntered) {
    for (const bool tenth : {false, true}) {
        PlayedRun quit(tenth), crashed(tenth);
        quit.rig.Send(ev::MenuQuit{});
        const std::vector<std::string> names = ListNames(quit.rig.store);
        const int row = static_cast<int>(std::find(names.begin(), names.end(), "Tess") - names.begin()) + 1;
        EXPECT_EQ(row == 10, tenth);
        quit.rig.store.runRecord = quit.rig.store.runRecords.back();  // killed before the record's removal
        NextRun afterSave(quit.rig.store);
        EXPECT_EQ(afterSave.store.durable, quit.rig.store.durable) << "tenth line: " << tenth;
        EXPECT_TRUE(afterSave.host.messages.empty());
        EXPECT_FALSE(afterSave.store.runRecord);
        NextRun afterCrash(crashed.rig.store);
        // The same records but for the play time, which the crashed run counts to its last save.
        const std::string playTime = HighSection(row) + "/ETime";
        std::map<std::string, std::string> entered = afterCrash.store.durable,
                                           quitted = quit.rig.store.durable;
        EXPECT_NE(entered[playTime], "0");
        entered.erase(playTime), quitted.erase(playTime);
        EXPECT_EQ(entered, quitted) << "tenth line: " << tenth;
        EXPECT_EQ(afterCrash.host.messages.size(), 1u);
    }
}

// A browser tab hidden, then closed: the run is suspended.
TEST(RunRecord, APageLeftWithoutAQuitKeepsThePreferencesAndTheNextStartResumesTheRunAsItStood) {
    PlayedRun left;  // two credits still in the machine
    left.rig.Configure([](ConfigValues& values) { values.speed = 30; });
    left.rig.clock.Advance(std::chrono::minutes(3));
    KeepRecords(left.rig.m);
    KeepRecords(left.rig.m);
    const std::string run = RunRecordText(CurrentRun(left.rig.m), CurrentRunState(left.rig.m));
    EXPECT_EQ(left.rig.store.Value("GameCfg", "Speed") + left.rig.store.Value("GameCfg", "Name"), "30Tess");
    NextRun next(left.rig.store, 90'000'000);  // the time away is no play time
    EXPECT_EQ(RunRecordText(CurrentRun(next.m), CurrentRunState(next.m)), run);
    EXPECT_EQ(CounterText(next.m.display.hdcScreen), CounterText(left.rig.m.display.hdcScreen));
    EXPECT_EQ(LitCreditLamps(next.m.display.hdcScreen), LitCreditLamps(left.rig.m.display.hdcScreen));
    EXPECT_TRUE(next.host.messages.empty());
    EXPECT_EQ(Entries(next.store, "Tess"), 0);
    // A quit ends the resumed run into the list: the start after it begins a new one.
    next.Send(ev::MenuQuit{});
    NextRun after(next.store);
    EXPECT_EQ(Entries(after.store, "Tess"), 1);
    EXPECT_EQ(CounterText(after.m.display.hdcScreen), "--20");
}

TEST(RunRecord, APageLeftDuringAGameResumesTheRunAsItStoodBeforeTheGame) {
    Rig rig;
    rig.StartPlaying();
    rig.InsertCoins(2);
    const std::string before = RunRecordText(CurrentRun(rig.m), CurrentRunState(rig.m));
    std::optional<std::string> atHide;
    rig.clock.onWait = [&] {
        if (!atHide) KeepRecords(rig.m), atHide = rig.store.runRecord;
    };
    rig.PullLever();
    rig.store.runRecord = atHide;  // the tab discarded while it was hidden
    NextRun next(rig.store);
    EXPECT_EQ(RunRecordText(CurrentRun(next.m), CurrentRunState(next.m)), before);
    EXPECT_TRUE(next.host.messages.empty());
}

// The symbols in the reel window.
std::vector<int> Symbols(const Rig& rig) {
    std::vector<int> shown;
    for (int cell = 0; cell < 9; ++cell) {  // reel by reel, top to bottom
        int s = 0;
        while (s < themecells::kSymbols && !ShowsSymbol(rig.m.display.hdcScreen, cell / 3, cell % 3, s)) ++s;
        shown.push_back(s);
    }
    return shown;
}

// All three holds on offer after a game without a win, the two free ones after a small win that locked
// the left reel; lit at once with credits left, else woken by the next coin.
TEST(RunRecord, APageLeftWithHoldsOnOfferComesBackWithTheReelsAndTheHoldsAsTheyWere) {
    for (const int button : {1, 2})  // one coin: no credit after the game; a stack: four left
        for (const auto& [steps, holds] : {std::pair{std::vector<int>{7, 7, 7}, "GGG"}, {{8, 8, 7}, "DGG"}}) {
            Rig left;
            left.StartPlaying();
            left.InsertCoins(button);
            left.ScriptSteps(steps);
            left.PullLever();
            ASSERT_EQ(HoldLooks(left.m), button == 1 ? "DDD" : holds);
            KeepRecords(left.m);
            NextRun next(left.store);
            EXPECT_EQ(Symbols(next), Symbols(left)) << holds;
            EXPECT_EQ(HoldLooks(next.m), HoldLooks(left.m));
            next.InsertCoins(1);
            EXPECT_EQ(HoldLooks(next.m), holds);
            // The left reel, then the right: a locked reel refuses; two held reels leave no third.
            next.PressHold(0);
            next.PressHold(2);
            EXPECT_EQ(HoldLooks(next.m), std::string(holds) == "GGG" ? "SDS" : "DGS");
        }
}

// A tab in the background is no play: hidden twice for ten minutes between two minutes of play.
TEST(PlayTime, TheTimeAPageIsHiddenIsNoPlayTime) {
    Rig rig;
    rig.StartPlaying();
    const Long atStart = CurrentRun(rig.m).ETime;
    rig.clock.Advance(std::chrono::minutes(1));
    StepAway(rig.m);
    rig.clock.Advance(std::chrono::minutes(4));
    StepAway(rig.m);
    rig.clock.Advance(std::chrono::minutes(6));
    ComeBack(rig.m);
    rig.clock.Advance(std::chrono::minutes(1));
    EXPECT_EQ(CurrentRun(rig.m).ETime - atStart, 2 * 60'000);
}

TEST(RunRecord, TheGameThatReaches1000IsKeptBeforeItsOfferPanelWipesIn) {
    Rig rig;
    rig.StartPlaying();
    rig.InsertCoins(2);
    rig.SetPurse(995);
    std::string atLastWait;
    rig.clock.onWait = [&] { atLastWait = rig.store.runRecord.value_or(""); };
    rig.Play("2-2-5");  // pays 5: the purse reaches 1000
    ASSERT_EQ(rig.m.display.ScreenMode, Screen::Offer);
    EXPECT_EQ(ParseRunRecord(atLastWait).value_or(RunRecord{}).Score, 1000);
}

TEST(RunRecord, ARecordThatCannotBeReadIsKeptAsideAndTheListStaysAsItWas) {
    const std::string good = RunRecordText({.Name = "", .Score = 500});
    auto spoilt = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        return text.replace(text.find(from), from.size(), to);
    };
    for (const std::string& bad :
         {std::string(), std::string("\x01\xff"), good.substr(0, good.size() - 4), good + "Score=1\n",
          spoilt("Score=500", "Score=5OO"), spoilt("Played=0", "Played=-1"), spoilt("Stat-03=0\n", "")}) {
        Rig next;
        next.store.runRecord = bad;
        next.Start();
        EXPECT_EQ(next.store.aside["Fruitwhirl-damaged-1.record"], bad);
        EXPECT_EQ(next.host.messages,
                  std::vector<std::string>{"Fruitwhirl: The record of your last run could not be "
                                           "read; it was kept as \"Fruitwhirl-damaged-1.record\"."});
        EXPECT_FALSE(next.store.runRecord);
        EXPECT_EQ(next.m.records.ScoreTable[1].Score, 150);
        EXPECT_EQ(next.store.flushes, 0);
    }
}

TEST(RunRecord, ARunTheSettingsCannotTakeAtStartUpWaitsInItsRecordAndIsToldOnceWithTheRest) {
    const ScoreRecord earlier{.Name = "Vera", .Score = 5};
    Rig next;
    next.store.runRecord = RunRecordText(earlier);
    next.store.notices = {"The settings file was odd."};
    next.store.failFlush = true;
    next.Start();
    EXPECT_EQ(next.host.messages,
              std::vector<std::string>{
                  "Fruitwhirl: The settings file was odd.\n\nYour last run ended unexpectedly; its "
                  "5 coins were too few for the high-score list. The settings could not be saved, "
                  "so its record was kept for the next start. the settings file cannot be written"});
    EXPECT_EQ(next.host.calls[1], "ShowMessage");  // with the machine in view
    next.InsertCoins(3);
    next.PullLever();
    // The page hidden while the settings still refuse.
    KeepRecords(next.m);
    EXPECT_EQ(next.store.runRecord, RunRecordText(earlier));  // this run does not write over it
    next.store.failFlush = false;
    next.Send(ev::MenuQuit{});
    EXPECT_FALSE(next.store.runRecord);
    EXPECT_EQ(next.store.Value("GameCfg", "Name"), "Vera");
    EXPECT_EQ(next.host.messages.size(), 1u);
}

}  // namespace
}  // namespace fw::test
