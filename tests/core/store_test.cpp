// The records as both editions keep them, over items in memory.
#include <gtest/gtest.h>

#include "edition/records_store.h"
#include "fakes.h"
#include "records/recovery.h"
#include "records/settings.h"

namespace fw::test {
namespace {

const std::string kFile = "[GameCfg]\nName=Ann\nSpeed=40\n\n[High-01]\nName=Zed\nScore=500\n";
const ByteFault kFull{ByteFault::Kind::Full, "/home/ann/Fruitwhirl.ini: No space left on device"};

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

struct Text {
    const char* name;
    std::string bytes;
    const char* told = "";  // the problem the player is told of; "" for a clean text
};

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
    return text;
}
std::string Padded(std::size_t size) {  // kFile and a section of its own that make size bytes
    const std::string start = kFile + "\n[Pad]\nPad=";
    return start + std::string(size - start.size() - 1, 'x') + "\n";
}
std::string Utf16(const std::string& ascii) {
    std::string out = "\xFF\xFE";
    for (char c : ascii) out += std::string{c, '\0'};
    return out;
}
class SettingsTexts : public ::testing::TestWithParam<Text> {};

TEST_P(SettingsTexts, AreReadAsFarAsTheyCanBeAndADamagedOneIsKeptAsideAndMended) {
    const Text& t = GetParam();
    // A clean text of about 1 MiB stays as large: its long value is kept.
    const bool large = t.bytes.size() >= kLargestSettingsText / 2 && !*t.told;
    RecordsRig run({{kSettingsItem, t.bytes}});
    run.Start();
    const std::string aside = "Fruitwhirl-damaged-" + std::string(kStamp) + ".ini";
    const std::string damaged =
        "Fruitwhirl: Your settings file \"/home/ann/Fruitwhirl.ini\" could not be read cleanly: " +
        std::string(t.told) + ". A copy of it as it was is kept as \"/home/ann/" + aside +
        "\"; the game goes on with what could be read.";
    EXPECT_EQ(run.rig->host.messages, (*t.told ? std::vector{damaged} : std::vector<std::string>{}));
    EXPECT_EQ(run.bytes->items.contains(aside), *t.told != '\0');
    if (*t.told) {
        EXPECT_TRUE(run.bytes->items[aside] == t.bytes) << "the copy is not the text as it was";
        // What could be read took its place, and reads without a word.
        RecordsRig mended({{kSettingsItem, run.bytes->items[kSettingsItem]}});
        mended.Start();
        EXPECT_EQ(mended.Told(), "");
    }
    run.rig->Send(ev::MenuQuit{});
    EXPECT_EQ(run.rig->host.endStatus, 0);

    // The next run reads what this one read and stored, without a word.
    RecordsRig next(run.bytes->items);
    next.Start();
    EXPECT_EQ(next.rig->host.messages.empty(), !large);
    EXPECT_EQ(next.rig->m.records.ScoreTable[0].Name, "Ann");
    EXPECT_EQ(next.rig->m.records.ScoreTable[1].Score, 500);
    EXPECT_EQ(next.rig->m.config.Speed, 40);
}

INSTANTIATE_TEST_SUITE_P(
    EditorsAndDamage, SettingsTexts,
    ::testing::Values(Text{"AsWritten", kFile}, Text{"WindowsLineEnds", Replaced(kFile, "\n", "\r\n")},
                      Text{"ByteOrderMark", "\xEF\xBB\xBF" + kFile},
                      Text{"BomAndWindowsLineEnds", "\xEF\xBB\xBF" + Replaced(kFile, "\n", "\r\n")},
                      Text{"TrailingSpaces", Replaced(kFile, "\n", "  \n")},
                      Text{"TabsAfterSections", Replaced(kFile, "]\n", "]\t \n")},
                      Text{"IndentedWithTabs", Replaced(kFile, "Speed", "\tSpeed")},
                      Text{"SpacesAroundEquals", Replaced(kFile, "Speed=", "Speed = ")},
                      Text{"NoNewlineAtTheEnd", kFile.substr(0, kFile.size() - 1)},
                      Text{"BlankLinesWithSpaces", Replaced(kFile, "\n\n", "\n   \n\n")},
                      Text{"OldMacLineEnds", Replaced(kFile, "\n", "\r")},
                      Text{"TwoByteOrderMarks", "\xEF\xBB\xBF\xEF\xBB\xBF" + kFile},
                      Text{"TwoFilesPutTogether", "\xEF\xBB\xBF" + kFile + "\xEF\xBB\xBF[Window]\nScale=3\n"},
                      Text{"OneMebibyte", Padded(1 << 20)},
                      Text{"HashComment", "# mine\n" + kFile, "line 1 is a comment"},
                      // Lines are counted as the editor shows them.
                      Text{"SemicolonCommentWindowsLineEnds", Replaced(kFile + "; mine\n", "\n", "\r\n"),
                           "line 8 is a comment"},
                      Text{"NulBytes", kFile + std::string("x=\0\n", 4),
                           "line 8 holds bytes that are not text"},
                      Text{"OneByteMore", Padded((1 << 20) + 1), "it is larger than 1 MiB"},
                      Text{"UnclosedSection", "[High-03\nName=Q\n" + kFile,
                           "line 1 is a section name without its closing ']'"},
                      Text{"Utf16", Utf16(kFile), "it is written in UTF-16"},
                      Text{"EscapeOfHalfACharacter", kFile + "Other=\"\\xd800\"\n",
                           "line 8 has an escape that is no character"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IniText, WhatIsWrittenReadsBackExactly) {
    // Control characters before hex digits (octal here: "\001F9" is 0x01, 'F', '9'), a NUL, escapes, the
    // file's own marks, leading blanks and "@", letters beyond Latin-1.
    const std::string values[] = {"\ab",
                                  "\001F9",
                                  "a\1770",
                                  std::string("nul\0001", 5),
                                  "tab\there",
                                  "two\nlines\r",
                                  "\"q\" \\x\\",
                                  " @lead ",
                                  "@@",
                                  ";c,=d, e",
                                  "Zo\xC3\xAB \xE5\x90\x8D\xF0\x9F\x98\x80"};
    for (const std::string& value : values) {
        SCOPED_TRACE(value);
        const IniValues written = {{"GameCfg", {{"Name", value}}},
                                   {"Zo\xC3\xAB/\xF0\x9F\x98\x80 ;[x]", {{"a/b =\\c%", value}}}};
        const CheckedSettings read = CheckSettingsText(IniText(written));
        EXPECT_EQ(read.problem, "");
        EXPECT_EQ(ReadIniText(read.text), written);
    }
}

TEST(IniText, AnEscapeThatMeansNothingDropsTheWholeLetterAfterIt) {
    EXPECT_EQ(ReadIniText("[G]\nName=Zo\\\xC3\xAB!\n"), (IniValues{{"G", {{"Name", "Zo!"}}}}));
}

TEST(IniText, WhatTheReaderCannotHoldExactlyIsRefused) {
    const std::pair<std::string, const char*> texts[] = {
        {"[G]\nName=\"\\xd800\"\n", "line 2 has an escape that is no character"},
        {"[G]\nName=\\xDFFFx\n", "line 2 has an escape that is no character"},
        {"[G]\nName=\\154000\n", "line 2 has an escape that is no character"},
        {"[G%UD800]\n", "line 1 has an escape that is no character"},
        {"[G]\nN%UDC00=x\n", "line 2 has an escape that is no character"},
        {"[G]\nName=\xED\xA0\x80\n", "line 2 holds bytes that are not text"},
        // Of a larger text only whole lines: the line cut off at 1 MiB gives no setting.
        {"[G]\nLong=" + std::string(2 << 20, 'x') + "\n", "it is larger than 1 MiB"},
    };
    for (const auto& [text, problem] : texts) {
        SCOPED_TRACE(text.substr(0, 40));
        const CheckedSettings read = CheckSettingsText(text);
        EXPECT_EQ(read.problem, problem);
        EXPECT_EQ(ReadIniText(read.text), (IniValues{})) << read.text;
    }
}

TEST(RecordsStore, ACopyKeptAsideNeverTakesTheNameOfAnEarlierOne) {
    const std::string stem = "Fruitwhirl-damaged-" + std::string(kStamp);
    RecordsRig run({{kSettingsItem, "# mine\n" + kFile},
                    {stem + ".ini", "earlier"},
                    {stem + "-2.ini", "earlier too"},
                    {kRunRecordItem, "no record"},
                    {stem + ".recovery", "an earlier record"}});
    run.Start();
    EXPECT_TRUE(Contains(run.Told(), "is kept as \"/home/ann/" + stem + "-3.ini\"")) << run.Told();
    EXPECT_TRUE(Contains(run.Told(), "it was kept as \"/home/ann/" + stem + "-2.recovery\"")) << run.Told();
    EXPECT_EQ(run.bytes->items, (std::map<std::string, std::string>{{kSettingsItem, kFile},
                                                                    {stem + ".ini", "earlier"},
                                                                    {stem + "-2.ini", "earlier too"},
                                                                    {stem + "-3.ini", "# mine\n" + kFile},
                                                                    {stem + ".recovery", "an earlier record"},
                                                                    {stem + "-2.recovery", "no record"}}));
}

TEST(RecordsStore, ARunRecordOverItsLimitIsNotReadButKeptAside) {
    // A whole record of 64 KiB and a byte, most of it its name.
    ScoreRecord big{.Name = "", .Score = 700};
    big.Name.assign((1 << 16) + 1 - RunRecordText(big).size(), 'x');
    const std::string record = RunRecordText(big);
    RecordsRig run({{kSettingsItem, kFile}, {kRunRecordItem, record}});
    run.Start();
    EXPECT_TRUE(Contains(run.Told(), "The record of your last run could not be read")) << run.Told();
    EXPECT_EQ(run.bytes->items["Fruitwhirl-damaged-" + std::string(kStamp) + ".recovery"], record);
    EXPECT_EQ(run.rig->m.records.ScoreTable[1].Score, 500);
}

TEST(RecordsStore, AFailedSaveKeepsTheOldRecordsSaysWhyAndALaterOneStoresTheRun) {
    std::string scores = "[GameCfg]\nName=Ann\n";  // the run enters the list at the top
    for (int n = 1; n <= 10; ++n) scores += "[" + HighSection(n) + "]\nName=Zed\nScore=0\n";
    RecordsRig run({{kSettingsItem, scores}});
    run.Start();
    const auto before = run.bytes->items;
    run.bytes->failing = kFull;
    run.rig->InsertCoins(2);
    EXPECT_EQ(run.bytes->items, before);
    EXPECT_EQ(
        run.rig->host.messages,
        std::vector<std::string>{"Fruitwhirl: Fruitwhirl could not save your high scores: the disk is full. "
                                 "Your previous records are unchanged. Free some space; the game will try "
                                 "again after the next game and when you quit.\n\n(" +
                                 kFull.words + ")"});

    // At the quit the player frees some space and tries again.
    run.rig->host.answer = [&] { return run.bytes->failing.reset(), true; };
    run.rig->Send(ev::MenuQuit{});
    ASSERT_EQ(run.rig->host.asked.size(), 1u);
    EXPECT_TRUE(Contains(run.rig->host.asked[0], "the disk is full")) << run.rig->host.asked[0];
    EXPECT_EQ(run.rig->host.endStatus, 0);
    EXPECT_FALSE(run.bytes->items.contains(kRunRecordItem));
    RecordsRig next(run.bytes->items);
    next.Start();
    EXPECT_EQ(next.rig->m.records.ScoreTable[1].Name, "Ann") << "the run of this test is not in the list";
    EXPECT_EQ(next.rig->m.records.ScoreTable[2].Name, "Zed");
}

TEST(RecordsStore, AFailingSaveIsNotedOnceASpellAndAgainAfterASaveWorked) {
    RecordsRig run({{kSettingsItem, kFile}});
    run.Start();
    run.rig->InsertCoins(2);
    run.rig->InsertCoins(2);
    run.bytes->failing = kFull;
    run.rig->PullLever();
    run.rig->PullLever();
    const std::string full =
        "Your records are not saved: the disk is full. Free some space. (" + kFull.words + ")";
    EXPECT_EQ(run.notes, std::vector<std::string>{full}) << "once, not after every game";
    run.bytes->failing =
        ByteFault{ByteFault::Kind::Other, "/home/ann/Fruitwhirl.recovery: Input/output error"};
    run.rig->PullLever();
    const std::string broken =
        "Your records are not saved: the disk reported an error. Check the disk. "
        "(/home/ann/Fruitwhirl.recovery: Input/output error)";
    EXPECT_EQ(run.notes, (std::vector<std::string>{full, broken})) << "a new kind of failure";
    run.bytes->failing.reset();
    run.rig->PullLever();
    run.bytes->failing = kFull;
    run.rig->PullLever();
    EXPECT_EQ(run.notes, (std::vector<std::string>{full, broken, "", full})) << "a new spell";
}

TEST(RecordsStore, APlaceThatCannotHoldRecordsKeepsNothingAndTheQuitSaysNothingWasWritten) {
    RecordsRig run;
    run.bytes->refused = "is a file, not a folder";
    run.Start();
    const std::string why = "The settings folder \"/home/ann\" is a file, not a folder.";
    EXPECT_EQ(run.Told(), "Fruitwhirl: " + why + " Your records will not be kept this run.");
    run.rig->Send(ev::MenuQuit{});
    EXPECT_EQ(run.rig->host.endStatus, 1);
    EXPECT_EQ(run.rig->host.errors, std::vector<std::string>{"Fruitwhirl: Your settings and high scores "
                                                             "could not be saved.\n\n" +
                                                             why + " Nothing was written."});
    EXPECT_FALSE(run.bytes->items.contains(kSettingsItem));
}

TEST(RecordsStore, ACleanLoadedFileTakesTheRecordsPlaceAndTheRunNeverWritesOverIt) {
    RecordsRig run({{kSettingsItem, kFile}});
    run.Start();
    run.rig->InsertCoins(2);
    const std::string mine = "[High-01]\nName=Lou\nScore=900\n";
    EXPECT_FALSE(run.store->CheckLoaded("mine.ini", mine).refused);
    EXPECT_EQ(run.store->ReplaceByLoaded(), "");
    EXPECT_FALSE(run.bytes->items.contains(kRunRecordItem));
    // The run under way goes on until the page starts again, and keeps nothing.
    run.rig->PullLever();
    run.rig->Send(ev::MenuQuit{});
    EXPECT_EQ(run.bytes->items, (std::map<std::string, std::string>{{kSettingsItem, mine}}));
}

struct Loaded {
    const char* name;
    std::string file;
    bool refused;
    std::string said;  // a refusal whole; for a question, what follows its first paragraph
};
class LoadedFiles : public ::testing::TestWithParam<Loaded> {};

TEST_P(LoadedFiles, LoadRecordsNamesWhatItWouldRefuseOrChangeBeforeLoading) {
    const Loaded& t = GetParam();
    RecordsRig run({{kSettingsItem, kFile}});
    run.Start();
    const auto check = run.store->CheckLoaded("mine.ini", t.file);
    EXPECT_EQ(check.refused, t.refused);
    const std::size_t tail = t.refused ? 0 : std::min(check.words.find("\n\n"), check.words.size());
    EXPECT_EQ(check.words.substr(tail), t.said) << check.words;
    if (t.refused) {
        EXPECT_NE(run.store->ReplaceByLoaded(), "");
    }
    EXPECT_EQ(run.bytes->items[kSettingsItem], kFile);
}

const std::string kNone =
    "The file \"mine.ini\" holds no records of Fruitwhirl: no high scores, statistics or "
    "settings. Nothing of it was loaded; your records are as they were.";
const std::string kValues = "\n\nThese values are not taken as they stand:\n";
INSTANTIATE_TEST_SUITE_P(
    RecordsStore, LoadedFiles,
    ::testing::Values(
        Loaded{"Clean", "[High-01]\nName=Lou\nScore=900\nStat-11=32767\n", false, ""},
        Loaded{"ScoreAboveTheCounters", "[High-03]\nName=Lou\nScore=40000\n", false,
               kValues + "line 3: Score=40000 in [High-03] is more than 32767; the default takes its place."},
        Loaded{"NegativeScoreAndLargeCountInLineOrder",
               "[High-02]\nPlayed=32768\n\n[High-01]\nScore=-5\nWun=x\n", false,
               kValues +
                   "line 2: Played=32768 in [High-02] is more than 32767; the default takes its place.\n"
                   "line 5: Score=-5 in [High-01] is less than 0; the default takes its place.\n"
                   "line 6: Wun=x in [High-01] is not a whole number; the default takes its place."},
        Loaded{"SettingsWithoutAList", "[GameCfg]\nSpeed=150\nTheme=0\nName=Bartholomew\n", false,
               "\n\nIt holds no high scores: the default list takes their place." + kValues +
                   "line 2: Speed=150 in [GameCfg] is more than 100; 100 takes its place.\n"
                   "line 3: Theme=0 in [GameCfg] is less than 1; the default takes its place.\n"
                   "line 4: Name=Bartholomew in [GameCfg] is cut to \"Bartholome\"."},
        Loaded{"AComment", "; mine\n[High-01]\nName=Lou\nScore=900\n", true,
               "The file \"mine.ini\" could not be read cleanly: line 1 is a comment. Nothing of it was "
               "loaded; your records are as they were."},
        Loaded{"Empty", "", true, kNone},
        Loaded{"NoSectionOfTheRecords", "[Window]\nScale=3\n\n[High-11]\nScore=5\n", true, kNone}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace fw::test
