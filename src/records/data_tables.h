// The machine's built-in data: reel coordinates, reel strips, pay table and
// the default high-score list, read item by item.
#pragma once

#include <string>
#include <string_view>

#include "machine/machine.h"

namespace fw {

struct DataItem {
    std::string text;     // the item as written
    double number = 0.0;  // its numeric reading (0 when it does not start with a number)
    Integer integer() const { return static_cast<Integer>(number); }
};

// The text of a built-in table: items each followed by a comma.
std::string_view DataTable(std::string_view tableName);

// The next item of the named table. The read position is shared by all tables:
// it only returns to the start after the last item of whichever table is read.
DataItem ReadDataItem(Machine& m, std::string_view tableName);
// The same from a read position of one's own.
DataItem ReadDataItem(int& cursor, std::string_view tableName);

// The symbol places, reel coordinates, strips, pay table and special symbols
// of the built-in tables, read from the start: a value that needs no machine.
MachineTables BuiltInTables();
// Fills the machine's tables from the built-in ones, from its read position.
void LoadMachineConfig(Machine& m);

}  // namespace fw
