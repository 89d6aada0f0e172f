// The settings text: whatever bytes the check is given, the text it keeps
// passes it again unchanged, and values written as text read back exactly.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_rig.h"
#include "platform/ini_text.h"

namespace {

using fw::fuzz::Broken;
using fw::fuzz::IsText;

// The bytes as values: section, key and value, separated by NULs; a part that
// is no text, or an empty name, is left out.
fw::IniValues ValuesOf(const std::string& bytes) {
    fw::IniValues values;
    std::string parts[3];
    std::size_t start = 0;
    for (int n = 0; start <= bytes.size(); ++n) {
        std::size_t end = bytes.find('\0', start);
        if (end == std::string::npos) end = bytes.size();
        parts[n % 3] = bytes.substr(start, end - start);
        start = end + 1;
        if (n % 3 == 2 && !parts[0].empty() && !parts[1].empty() && IsText(parts[0]) && IsText(parts[1]) &&
            IsText(parts[2]))
            values[parts[0]][parts[1]] = parts[2];
    }
    return values;
}

void WrittenReadsBack(const fw::IniValues& values) {
    const std::string text = fw::IniText(values);
    const fw::CheckedSettings checked = fw::CheckSettingsText(text);
    if (!checked.problem.empty() || checked.text != text) Broken("the text written does not pass the check");
    if (fw::ReadIniText(text) != values) Broken("the text written reads back other values");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const fw::CheckedSettings checked = fw::CheckSettingsText(bytes);
    // What the check keeps replaces a damaged file: the next start reads it cleanly.
    const fw::CheckedSettings again = fw::CheckSettingsText(checked.text);
    if (!again.problem.empty() || again.text != checked.text) Broken("the text kept does not pass the check");
    WrittenReadsBack(fw::ReadIniText(checked.text));
    WrittenReadsBack(ValuesOf(bytes));
    return 0;
}
