// A theme picture: whatever size a picture has, one the checks take holds
// every cell the machine copies out of a theme.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_rig.h"
#include "machine/cells.h"
#include "presentation/themes.h"

namespace {

using fw::fuzz::Broken;

// The picture the bytes describe, or a file that is no picture.
class FuzzedImages : public fw::ImageLoader {
public:
    explicit FuzzedImages(FuzzedDataProvider& in) : in_(in) {}
    fw::LoadedImage Load(const std::string&, const fw::PictureSizeCheck& allowed) override {
        if (in_.ConsumeBool()) return {std::nullopt, in_.ConsumeRandomLengthString(40)};
        const int width = in_.ConsumeIntegralInRange(-2, 1000), height = in_.ConsumeIntegralInRange(-2, 200);
        // A file that declares its size is asked about before it is decoded; another is not.
        if (in_.ConsumeBool() && !allowed(width, height).empty())
            return {std::nullopt, allowed(width, height)};
        return {fw::Surface(width, height), {}};
    }

private:
    FuzzedDataProvider& in_;
};

void Holds(const fw::Surface& picture, const fw::Cell& c) {
    if (c.x < 0 || c.y < 0 || c.right() >= picture.width() || c.bottom() >= picture.height())
        Broken("a cell lies outside a picture the checks took");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    FuzzedImages images(in);
    const std::string name = "Mine.Thm";
    std::string error;
    const auto picture =
        fw::ReadThemePicture(images, "/home/ann/.local/share/fruitwhirl/Gfx/" + name, name, error);
    if (!picture) {
        if (error.find(name) == std::string::npos) Broken("a picture was refused without naming it");
        return 0;
    }
    for (int s = 0; s < fw::themecells::kSymbols; ++s) Holds(*picture, fw::themecells::Symbol(s));
    for (int k = 0; k < fw::themecells::kPayCells; ++k) Holds(*picture, fw::themecells::PayCell(k));
    return 0;
}
