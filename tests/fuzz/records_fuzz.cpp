// The records in the settings file: whatever it holds, the machine reads values that fit their fields,
// a damaged file is mended into one that reads cleanly, and what it writes reads back the same.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_rig.h"
#include "platform/ini_text.h"

namespace {

using fw::fuzz::Broken;

// A name as the machine keeps it: text of at most kNameLength characters, none a control.
bool FitsName(const std::string& name) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (c < 0x20 || c == 0x7F || (c == 0xC2 && static_cast<unsigned char>(name[i + 1]) < 0xA0))
            return false;
        characters += (c & 0xC0) != 0x80;
    }
    return characters <= fw::kNameLength && fw::fuzz::IsText(name);
}

void Fits(const fw::Machine& m) {
    if (m.config.Speed < 0 || m.config.Speed > 100) Broken("the speed is out of its range");
    if (m.themes.ThemeIndex < 1 || m.themes.ThemeIndex > m.themes.ThemeCount) Broken("the theme is no theme");
    if (!FitsName(m.records.ScoreTable[0].Name)) Broken("the player's name does not fit");
    for (int n = 1; n <= fw::kListLines; ++n) {
        const fw::ScoreRecord& row = m.records.ScoreTable[n];
        bool counts = row.Score >= 0 && row.Played >= 0 && row.Wun >= 0 && row.ETime >= 0;
        for (const fw::Integer s : row.Stat) counts = counts && s >= 0;
        if (!counts) Broken("a count of the list is negative");
        if (!FitsName(row.Name)) Broken("a name of the list does not fit");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fw::fuzz::RecordsRig first({{fw::kSettingsItem, std::string(reinterpret_cast<const char*>(data), size)}});
    first.Load();
    // A damaged file has been replaced by what could be read: the next start reads it cleanly.
    if (!fw::CheckSettingsText(first.bytes->items[fw::kSettingsItem]).problem.empty())
        Broken("the mended file is damaged");
    Fits(first.m);

    fw::WriteFailure failure;
    if (!fw::WriteSettings(first.m, failure)) Broken("the records were not written");
    fw::fuzz::RecordsRig second(first.bytes->items);
    if (!second.Load().empty()) Broken("the file written is damaged");
    // Read and written again, the records and the keys the machine does not know come out the same.
    if (!fw::WriteSettings(second.m, failure) || second.store->Text() != first.store->Text())
        Broken("the records written read back otherwise");
    return 0;
}
