// The built-in tables and their one shared read position.
#include <gtest/gtest.h>

#include <algorithm>

#include "fakes.h"
#include "records/data_tables.h"

namespace fw::test {
namespace {

TEST(DataTables, MachineConfigFillsStripsCoordinatesAndPayTable) {
    Rig rig;
    Machine& m = rig.m;
    LoadMachineConfig(m);
    EXPECT_EQ(m.Strip[0][0], 9);
    EXPECT_EQ(m.Strip[19][0], 6);
    EXPECT_EQ(m.Strip[0][1], 10);
    EXPECT_EQ(m.Strip[17][1], 11);
    EXPECT_EQ(m.Strip[19][2], 3);
    EXPECT_EQ(m.WheelCord[0][0], 93);
    EXPECT_EQ(m.WheelCord[1][0], 137);
    EXPECT_EQ(m.WheelCord[2][0], 181);
    EXPECT_EQ(m.WheelCord[0][1], 117);
    EXPECT_EQ(m.WheelCord[2][1], 29);
    EXPECT_EQ(m.PayTable[0].Combo, "3-3-3");
    EXPECT_EQ(m.PayTable[37].Combo, "9-9-12");
    EXPECT_EQ(m.PayTable[37].Payout, 100);
    EXPECT_EQ(m.PayTable[37].Cell, 11);
    EXPECT_EQ(m.SymbolX[14], 29 * 14);
    EXPECT_EQ(m.SpecialSymbols, (std::array<std::string, 3>{"9", "10", "12"}));
    EXPECT_EQ(m.DataCursor, 0);
}

TEST(DataTables, EveryCategoryPaysOneAmount) {
    Rig rig;
    LoadMachineConfig(rig.m);
    const int payout[12] = {0, 0, 10, 10, 15, 15, 25, 25, 50, 50, 75, 100};
    for (const PayRow& row : rig.m.PayTable) {
        ASSERT_GE(row.Cell, 2);
        EXPECT_EQ(row.Payout, payout[row.Cell]) << row.Combo;
    }
}

TEST(DataTables, SymbolsOnTheStrips) {
    Rig rig;
    LoadMachineConfig(rig.m);
    auto count = [&](int symbol, int reel) {
        int n = 0;
        for (int p = 0; p < 20; ++p) n += rig.m.Strip[p][reel] == symbol;
        return n;
    };
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(count(1, r), 0);
        EXPECT_EQ(count(14, r), 0);
    }
    EXPECT_EQ(count(11, 0) + count(11, 2), 0);
    EXPECT_EQ(count(11, 1), 1);
    EXPECT_EQ(count(13, 2), 3);
    EXPECT_EQ(count(13, 0) + count(13, 1), 0);
}

TEST(DataReader, DefaultListReadsAsNameScorePairsAndWrapsAround) {
    Rig rig;
    Machine& m = rig.m;
    const char* names[] = {"Ardo", "Belo", "Cira", "Dovo", "Elin", "Fazu", "Gemo", "Hali", "Iska", "Joru"};
    for (int n = 0; n < 10; ++n) {
        EXPECT_EQ(ReadDataItem(m, "HighScoreData").text, names[n]);
        EXPECT_EQ(ReadDataItem(m, "HighScoreData").number, 150 - 10 * n);
    }
    EXPECT_EQ(m.DataCursor, 0);
    EXPECT_EQ(ReadDataItem(m, "HighScoreData").text, "Ardo");
}

TEST(DataReader, ANameReadsAsZeroAndANumberAsItsText) {
    Rig rig;
    const DataItem name = ReadDataItem(rig.m, "HighScoreData");
    EXPECT_EQ(name.number, 0.0);
    const DataItem score = ReadDataItem(rig.m, "HighScoreData");
    EXPECT_EQ(score.text, "150");
    EXPECT_EQ(score.number, 150.0);
}

TEST(DataReader, ThePositionIsSharedBetweenTables) {
    // A part-way read leaves the position in the middle; the next read of any
    // table continues from that character position.
    Rig rig;
    Machine& m = rig.m;
    EXPECT_EQ(ReadDataItem(m, "HighScoreData").text, "Ardo");  // cursor on the comma at 5
    EXPECT_EQ(m.DataCursor, 5);
    // "WheelCordinates" = "93,137,181,..." : from position 5 the item is "7".
    EXPECT_EQ(ReadDataItem(m, "WheelCordinates").text, "7");
    EXPECT_EQ(m.DataCursor, 7);
}

TEST(DataReader, APositionPastTheEndOfAShorterTableStartsItAfresh) {
    Rig rig;
    Machine& m = rig.m;
    for (int i = 0; i < 30; ++i) ReadDataItem(m, "WheelObjects");
    ASSERT_GT(m.DataCursor, static_cast<int>(DataTable("WheelCordinates").size()));
    EXPECT_EQ(ReadDataItem(m, "WheelCordinates").text, "93");
}

}  // namespace
}  // namespace fw::test
