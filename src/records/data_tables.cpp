#include "records/data_tables.h"

#include <cassert>
#include <locale>
#include <sstream>
#include <string>

#include "machine/cells.h"

namespace fw {

namespace {

constexpr std::string_view kWheelCordinates = "93,137,181,117,73,29,";

constexpr std::string_view kWheelObjects =
    "9,3,7,3,8,5,3,2,4,7,2,7,5,9,3,7,5,2,3,6,"
    "10,2,7,2,0,8,7,3,4,2,9,7,0,8,3,2,8,11,8,2,"
    "12,8,7,5,13,7,8,0,8,4,3,13,7,3,12,13,7,0,8,3,";

constexpr std::string_view kObjectData =
    "3-3-3,10,2,3-0-3,10,2,3-10-3,10,2,3-3-0,10,2,3-0-0,10,2,3-10-0,10,2,"
    "3-3-12,10,3,3-0-12,10,3,3-10-12,10,3,3-3-4,10,3,3-0-4,10,3,3-10-4,10,3,"
    "7-7-7,15,4,7-11-7,15,4,7-7-12,15,5,7-11-12,15,5,7-7-4,15,5,7-11-4,15,5,"
    "6-8-8,25,6,8-8-8,25,6,6-8-12,25,7,8-8-12,25,7,6-8-4,25,7,8-8-4,25,7,"
    "5-0-0,50,8,5-0-5,50,8,5-0-12,50,9,5-0-4,50,9,"
    "4-4-12,75,10,6-4-12,75,10,6-11-12,75,10,4-11-12,75,10,"
    "4-4-4,75,10,6-4-4,75,10,6-11-4,75,10,4-11-4,75,10,"
    "9-10-12,100,11,9-9-12,100,11,";

constexpr std::string_view kHighScoreData =
    "Ardo,150,Belo,140,Cira,130,Dovo,120,Elin,110,Fazu,100,Gemo,90,Hali,80,Iska,70,Joru,60,";

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The leading number of a text, 0 when it does not start with one.
double NumericReading(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    // The number in the form a decimal reading takes: an optional minus, digits
    // with at most one point, and an exponent only when digits follow it.
    const std::size_t start = i;
    if (i < text.size() && text[i] == '-') ++i;
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return 0.0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) ++j;
            i = j;
        }
    }
    // Read in the classic locale, whatever locale the program runs in.
    std::istringstream in(std::string(text.substr(start, i - start)));
    in.imbue(std::locale::classic());
    double value = 0.0;
    in >> value;
    return in.fail() ? 0.0 : value;
}

}  // namespace

std::string_view DataTable(std::string_view tableName) {
    if (tableName == "WheelCordinates") return kWheelCordinates;
    if (tableName == "WheelObjects") return kWheelObjects;
    if (tableName == "HighScoreData") return kHighScoreData;
    if (tableName == "ObjectData") return kObjectData;
    return {};
}

DataItem ReadDataItem(Machine& m, std::string_view tableName) {
    return ReadDataItem(m.config.DataCursor, tableName);
}

DataItem ReadDataItem(int& cursor, std::string_view tableName) {
    const std::string_view text = DataTable(tableName);
    assert(!text.empty() && "no such built-in table");
    if (text.empty()) return {};
    // A cursor left past the end of a shorter table by a partial read of a
    // longer one would never meet a comma: start that table from its beginning.
    if (cursor >= static_cast<int>(text.size())) cursor = 0;

    DataItem item;
    char current = '\0';
    do {
        ++cursor;
        if (current != '\0') item.text += current;
        current = text[cursor - 1];
    } while (current != ',');
    item.number = NumericReading(item.text);
    if (cursor == static_cast<int>(text.size())) cursor = 0;
    return item;
}

namespace {

MachineTables ReadMachineTables(int& cursor) {
    MachineTables t;
    for (int s = 0; s < themecells::kSymbols; ++s)
        t.SymbolX[s] = static_cast<Integer>(themecells::Symbol(s).x);
    for (int k = 0; k < 2; ++k) {
        for (int r = 0; r < 3; ++r) t.WheelCord[r][k] = ReadDataItem(cursor, "WheelCordinates").integer();
    }
    for (int r = 0; r < 3; ++r) {
        for (int p = 0; p < kReelPositions; ++p)
            t.Strip[p][r] = ReadDataItem(cursor, "WheelObjects").integer();
    }
    for (PayRow& row : t.PayTable) {
        row.Combo = ReadDataItem(cursor, "ObjectData").text;
        row.Payout = ReadDataItem(cursor, "ObjectData").integer();
        row.Cell = ReadDataItem(cursor, "ObjectData").integer();
    }
    t.SpecialSymbols = {"9", "10", "12"};
    return t;
}

}  // namespace

MachineTables BuiltInTables() {
    int cursor = 0;
    return ReadMachineTables(cursor);
}

void LoadMachineConfig(Machine& m) {
    static_cast<MachineTables&>(m) = ReadMachineTables(m.config.DataCursor);
}

}  // namespace fw
