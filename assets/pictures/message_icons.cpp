// The message boxes' pictures, 16 x 16 pixel art in the cabinet's colours, shown
// at a whole number of screen pixels per pixel: a gold warning triangle with a
// "!", a red lacquer disc with a cream cross for an error, and a blue disc with
// a cream "i", the blue of the hold buttons, for information and questions.
#include "pictures.h"

#include "art.h"

#include <string_view>
#include <vector>

namespace pictures {
namespace {

using namespace art;

using Pixels = std::vector<std::string_view>;

// o outline; y g d D gold from light to dark; x the dialogs' dark plum, the ink
// of the "!"; r R m the lacquer from light to dark; j h H the hold buttons'
// blue from dark to light; W the dialogs' cream text.
const std::vector<PaletteEntry> kPalette = {
    {'o', kLacquer[0]},        {'y', kGold[4]},         {'g', kGold[3]},         {'d', kGold[2]},
    {'D', kGold[1]},           {'x', rgb(40, 24, 40)},  {'r', kLacquer[5]},      {'R', kLacquer[3]},
    {'m', kLacquer[1]},        {'j', rgb(30, 56, 150)}, {'h', rgb(46, 84, 196)}, {'H', rgb(120, 164, 255)},
    {'W', rgb(240, 224, 160)},
};

const Pixels kWarning = {
    ".......oo.......", "......oyyo......", "......oygo......", ".....oyggdo.....",
    ".....oyxxdo.....", "....oygxxgdo....", "....oygxxgdo....", "...oyggxxggdo...",
    "...oyggxxggdo...", "..oygggxxgggdo..", "..oyggggggggdo..", ".oyggggxxggggdo.",
    ".oyggggxxggggdo.", "oyddddddddddddDo", "oooooooooooooooo", "................",
};

const Pixels kError = {
    ".....oooooo.....", "...ooddddddoo...", "..odRRRRRRRRdo..", ".odRrRRRRRRRRdo.",
    ".odRWWRRRRWWRdo.", "odRRRWWRRWWRRmdo", "odRRRRWWWWRRRmdo", "odRRRRRWWRRRRmdo",
    "odRRRRRWWRRRRmdo", "odRRRRWWWWRRRmdo", "odRRRWWRRWWRRmdo", ".odRWWRRRRWWmdo.",
    ".odRRRRRRRRmmdo.", "..odmmmmmmmmdo..", "...ooddddddoo...", ".....oooooo.....",
};

const Pixels kInformation = {
    ".....oooooo.....", "...ooddddddoo...", "..odhhhhhhhhdo..", ".odhHhhWWhhhhdo.",
    ".odhhhhWWhhhhdo.", "odhhhhhhhhhhhjdo", "odhhhhWWWhhhhjdo", "odhhhhhWWhhhhjdo",
    "odhhhhhWWhhhhjdo", "odhhhhhWWhhhhjdo", "odhhhhhWWhhhhjdo", ".odhhhWWWWhhjdo.",
    ".odhhhhhhhhjjdo.", "..odjjjjjjjjdo..", "...ooddddddoo...", ".....oooooo.....",
};

QImage drawn(const Pixels& pixels) {
    QImage img = transparent(kMessageIconSize, kMessageIconSize);
    sprite(img, 0, 0, pixels, kPalette);
    return img;
}

}  // namespace

QImage makeWarningIcon() {
    return drawn(kWarning);
}

QImage makeErrorIcon() {
    return drawn(kError);
}

QImage makeInformationIcon() {
    return drawn(kInformation);
}

}  // namespace pictures
