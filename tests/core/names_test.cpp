// A name holds no control characters, whichever way it comes in: typed or
// pasted into the configuration dialog, read from the settings file, or read
// back from the run record.
#include <gtest/gtest.h>

#include "fakes.h"
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
        typed.host.configDialog = [&](ConfigValues& values) { return values.name = row.given, true; };
        typed.StartPlaying();
        typed.Send(ev::MenuConfig{});
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

}  // namespace
}  // namespace fw::test
