// A name holds no control characters, however it comes in; every letter of the alphabet draws.
#include <gtest/gtest.h>

#include "fakes.h"
#include "presentation/bitmap_text.h"
#include "records/recovery.h"
#include "records/settings.h"

namespace fw::test {
namespace {

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
