// The settings text: whatever bytes the check is given, the text it keeps
// passes it again unchanged, and values written as text read back exactly.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_rig.h"
#include "platform/ini_text.h"

namespace {

using fw::fuzz::Broken;
using fw::fuzz::IsText;

// The bytes as values: section, key and value in turn; a part that is no text, or an empty name, is left out.
fw::IniValues ValuesOf(FuzzedDataProvider& in) {
    fw::IniValues values;
    while (in.remaining_bytes() > 0) {
        const std::string section = in.ConsumeRandomLengthString(), key = in.ConsumeRandomLengthString(),
                          value = in.ConsumeRandomLengthString();
        if (!section.empty() && !key.empty() && IsText(section) && IsText(key) && IsText(value))
            values[section][key] = value;
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
    FuzzedDataProvider in(data, size);
    WrittenReadsBack(ValuesOf(in));
    return 0;
}
