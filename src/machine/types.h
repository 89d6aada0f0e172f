// The game's number types and the score record.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace fw {

using Integer = std::int16_t;  // the game's counters: 0..32767
using Long = std::int32_t;     // tick counts and play times in milliseconds
using Boolean = std::int16_t;  // True is -1, False is 0

inline constexpr Boolean True = -1;
inline constexpr Boolean False = 0;
inline constexpr Integer kIntegerMax = 32767;

// Names are kept to this many characters (the list's name column, the configuration's field).
inline constexpr std::size_t kNameLength = 10;
// The volume: a level of 0..100 % of the level the sounds were made at, set in steps of 10.
inline constexpr Integer kFullVolume = 100;
inline constexpr int kVolumeStep = 10;
// The high-score list's lines, 1..10 (row 0 of the score table is the current run).
inline constexpr int kListLines = 10;
// The place of a run that would not enter the list.
inline constexpr Integer kNotListed = kListLines + 1;
// The credit lamps: the machine holds at most this many credits.
inline constexpr int kMaxCredits = 10;
// The positions of a reel strip; a reel turns round after this many.
inline constexpr int kReelPositions = 20;

// Adds to a counter that stays at 32767 instead of wrapping.
inline Integer AddCapped(Integer value, int amount) {
    const int sum = value + amount;
    if (sum > kIntegerMax) return kIntegerMax;
    if (sum < -32768) return -32768;
    return static_cast<Integer>(sum);
}

// One row of the score table.
struct ScoreRecord {
    std::string Name;
    Integer Score = 0;               // the purse
    std::array<Integer, 12> Stat{};  // wins per prize category
    Long ETime = 0;                  // play time in milliseconds
    Integer Played = 0;              // games played
    Integer Wun = 0;                 // games won
};

// What the machine holds of a run beside its row: the credits in it, where the
// reels stand (none: where the start-up puts them), and the reels the next game
// may hold.
struct RunState {
    Integer Credits = 0;
    std::optional<std::array<Integer, 3>> Reels;
    std::array<bool, 3> Holdable{};
    bool operator==(const RunState&) const = default;
};

}  // namespace fw
