// The whole machine: the platform it reaches, the tables it plays by and its
// state in named parts. One Machine per run.
#pragma once

#include <array>
#include <deque>
#include <string>
#include <variant>
#include <vector>

#include "machine/languages.h"
#include "machine/types.h"
#include "platform/clock.h"
#include "platform/host.h"
#include "platform/image_loader.h"
#include "platform/random.h"
#include "platform/settings_store.h"
#include "platform/sound_control.h"
#include "platform/surface.h"

namespace fw {

// The program's version, as the project states it.
inline constexpr const char* kAppVersion = FW_VERSION;

// One row of the pay table.
struct PayRow {
    std::string Combo;  // three symbol ids joined by "-"
    Integer Payout = 0;
    Integer Cell = 0;  // prize category 0..11
};

// The built-in tables the machine plays by: where the symbols stand on a
// theme picture, the reel coordinates, the strips, the pay table and the
// Mania period's special symbols. A value: it loads without a platform.
struct MachineTables {
    std::array<Integer, 15> SymbolX{};
    std::array<std::string, 3> SpecialSymbols;
    std::array<PayRow, 38> PayTable;
    std::array<std::array<Integer, 2>, 3> WheelCord{};           // (reel, k)
    std::array<std::array<Integer, 3>, kReelPositions> Strip{};  // (position, reel)
};

// What the display window shows, and so how presses are dispatched.
enum class Screen : Integer {
    Reels = 0,       // normal play
    HighScores = 1,  // the high-score list
    Statistics = 2,  // a statistics page
    OutOfCoins = 3,  // the out-of-coins panel
    Offer = 4,       // the 1000-coin offer panel
};

// The outside world the machine reaches.
struct Platform {
    Clock& clock;
    Random& random;
    SoundControl& sound;
    SettingsStore& store;
    ImageLoader& images;
    Host& host;
};

// The pictures built into the program.
struct Pictures {
    Surface sprites;  // 474 x 358 sprite sheet
    Surface machine;  // 320 x 256 machine picture
};

// What a key of the keyboard stands for: a press on the machine, made where
// that press would be in the current screen mode (shell/keys.h).
enum class KeyCommand {
    Coin,        // one coin dragged onto the slot
    Stack,       // a stack of coins dragged onto the slot
    Go,          // the lever; on a panel, its continue button
    Number,      // a hold button (1..3); on the high-score list, a line (1..10)
    HighScores,  // the display window, left button
    Statistics,  // the display window, another button
    Back,        // leaving a record screen
    Quit,        // a panel's quit button
};

// Input turned into machine events; each is handled to completion, in order.
namespace ev {
struct Load {};
struct Activate {};
struct Expose {};  // the window was uncovered: repaint from the composition surface
// A mouse button went down on the machine face.
struct Press {
    int button;  // 1 left, anything else another button (2 right, 4 middle)
    float x, y;  // machine pixels; a fraction belongs to the whole pixel it lies in
    // A finger's press: a target this many machine pixels away takes it where it hits nothing.
    float reach = 0;
};
// A mouse button went up. inside is false when it went up outside the
// window, or when the window lost the mouse before it went up. button is the
// one that went up; 0 stands for every button (the window lost the mouse).
struct Release {
    float x, y;
    bool inside;
    int button = 0;
};
// A key of the machine was pressed.
struct Key {
    KeyCommand command;
    int number = 0;  // for KeyCommand::Number
};
struct Tick {
    TimerId timer;
};
struct MenuConfig {};
struct MenuQuit {};
struct MenuTheme {
    int index;
};
struct MenuAbout {};
struct MenuManual {};
struct MenuOdds {};
struct CloseWindow {};
}  // namespace ev

using MachineEvent = std::variant<ev::Load, ev::Activate, ev::Expose, ev::Press, ev::Release, ev::Tick,
                                  ev::MenuConfig, ev::MenuQuit, ev::MenuTheme, ev::MenuAbout, ev::MenuManual,
                                  ev::MenuOdds, ev::CloseWindow, ev::Key>;

// The reels and the holds: where each reel stands, what the pay line shows and
// which reels are held or may be held in the next game.
struct ReelState {
    std::array<Integer, 3> ReelPos{};
    std::array<std::string, 3> LineText;
    std::array<Integer, 3> Held{};
    std::array<Integer, 3> HoldLamp{};
    std::array<Integer, 3> WinLock{};
    Integer HoldCount = 0;
    Boolean HoldAllowed = False;
    Boolean WinFlag = False;
};

// The purse: the coins in hand, the credits in the machine, the money counter
// and the last win, and the 1000-coin offer.
struct PurseState {
    Integer Credits = 0;
    Integer CoinsInHand = 0;
    std::array<Integer, 4> MoneyDigits{};  // 0 = units
    Integer LastWin = 0;
    Boolean OfferPending = False;
    Boolean OfferShown = False;
};

// The records: the score table with the current run, the run's place and its
// play-time clock, the statistics page shown, and the run record's bookkeeping.
struct RecordState {
    // Row 0 is the current run, rows 1..10 the high-score list.
    std::array<ScoreRecord, kListLines + 1> ScoreTable{};
    // The current run's line on the high-score list as shown, kNotListed when below it.
    Integer HighScorePlace = 0;
    Integer StatPage = 0;
    Long StartTicks = 0;
    // The run record (records/recovery.h): the run as it was last written with
    // the machine's part of it then (none until the start-up has made the run),
    // and whether writing waits because the record holds an earlier run that
    // the settings could not take yet.
    ScoreRecord KeptRun;
    std::optional<RunState> KeptState;
    bool RunRecordHeld = false;
    // The clock's ticks when the page was hidden: the time away is no play time.
    std::optional<std::uint32_t> AwaySince;
    // The kind of failure to save the player was last told of; empty while
    // saving works, so that one kind is told once, not after every game.
    std::string SaveFailureTold;
};

// The Mania period.
struct ManiaState {
    Boolean ManiaActive = False;
    Integer ManiaTicks = 0;
    // The clock's ticks when the period started or its clock last ticked, from
    // which the time left is told.
    std::uint32_t TickedAt = 0;
};

// What the player saw happen, as the machine notes it where it happens; the
// shell tells it in words after the event (shell/captions.h).
enum class Happening {
    Started,       // the machine is ready for play
    CoinsIn,       // coins went into the slot
    Game,          // a game has been scored: its line is LineText[1]; number: the bonus wheel's coins
    ManiaStarted,  // a 100-coin prize started the Mania period; number: 1 when it ran already
    ManiaEnded,    // the Mania period's time ran out
    Held,          // a hold button held its reel; number: the reel
    Released,      // a hold button let its reel go; number: the reel
    OutOfCoins,    // the out-of-coins panel took the reels' place
    Offer,         // the 1000-coin offer panel took the reels' place
    FreshCoins,    // the out-of-coins panel's continue button: a fresh pile
    PlayOn,        // the offer panel's continue button
    HighScores,    // the high-score list shows
    Statistics,    // a statistics page shows (the row in StatPage)
    Reels,         // back to the reels from a record screen
    Refused,       // a press did nothing; number: the Refusal
};

// Why a press did nothing.
enum class Refusal {
    NoCredit,      // the lever or a hold button without a credit in the machine
    NoHolds,       // a hold button when this game offers no hold
    WinKeepsReel,  // a hold button of a reel that the last win keeps
    TwoHeld,       // a third hold button while two reels are held
    PlayCredits,   // the empty pile while credits are still in the machine
    CreditsFull,   // a coin into a machine holding its most credits
};

struct Note {
    Happening what;
    int number = 0;
};

// What the player is told: the notes since the last caption, and whether a
// game's caption also gives the best hold.
struct TellingState {
    std::vector<Note> notes;
    bool Hints = false;
};

// The display: what the display window shows, and the drawing surfaces.
struct DisplayState {
    Screen ScreenMode = Screen::Reels;
    Surface hdcScreen;   // what the player sees
    Surface hdcCompose;  // the complete machine picture that survives repaints
    Surface hdcSprites;  // the sprite sheet (also used as scratch space)
    Surface hdcTheme;    // the current reel theme picture
};

// The reel themes found, and the one in use.
struct ThemeState {
    Integer ThemeIndex = 0;
    Integer ThemeCount = 0;
    // Theme names, 1..ThemeCount (entry 0 unused).
    std::vector<std::string> ThemeFiles;
    // The file each theme was found as: its folder and its name, extension as written, 1..ThemeCount.
    std::vector<std::string> ThemePaths;
    // The program's theme folder, and the player's own with its trailing separator (empty for none).
    std::string GfxPath;
    std::string UserGfxPath;
};

// What the machine knows of its window: the menus, the timers, a modal window
// open, coins being dragged, the first activation, the odds window's figures.
struct WindowState {
    // The three menus of the menu bar: Game, Theme, Help.
    std::array<bool, 3> MenuEnabled{true, true, true};
    // The theme menu's check marks, items 1..10 (entry 0 unused).
    std::array<bool, 11> ThemeChecked{};
    // The two window timers: tmrElapsedTime and tmrMultiCheck.
    bool ElapsedTimerOn = false;
    bool MultiCheckTimerOn = false;
    // A modal window (the configuration dialog, the About window, a message
    // box) is open: only the play-time clock's tick runs meanwhile.
    bool ModalOpen = false;
    // Coins are being dragged from the pile; the release of DragButton drops them.
    bool DragActive = false;
    int DragButton = 0;
    bool ActivatedOnce = false;  // the first activation has run
    // What the odds window's figures were worked out from.
    std::vector<int> OddsShownFor;
};

// The settings the player chooses, and what the program knows of itself.
struct Config {
    Integer SoundOn = 0;
    Boolean SoundAvailable = False;
    // The level of every sound, 0..100 % of the level it was made at; stored.
    Integer Volume = kFullVolume;
    // The player's language: 0 the system's, else a choice of kLanguageChoices (edition/language.h).
    Integer Language = 0;
    // M silences every sound until it is pressed again; the volume stays. Not stored.
    bool Muted = false;
    Long Speed = 0;
    Boolean ResetHighScores = False;
    std::string AppName;
    std::string AppVersion;
    std::string AppDate;
    // The folder of the program, as the platform reports it, and its sound folder.
    std::string AppFolder;
    std::string SfxPath;
    int DataCursor = 0;  // read position of the built-in tables
};

// The event queue (shell/events.h). The shell runs it; the front ends reach
// it only through the shell's functions.
struct EventQueue {
    std::deque<MachineEvent> pending;
    unsigned RefusedButtons = 0;  // buttons whose press was refused: their release goes too
    bool busy = false;            // an event is being handled
    bool ended = false;           // the program has ended; no further event runs
    int exitStatus = 0;
};

// The whole machine: the platform it reaches, the built-in tables it plays
// by, and its state in named parts.
struct Machine : MachineTables, Platform {
    Machine(Platform platform, Pictures pictures, std::string appFolder);
    Machine(const Machine&) = delete;
    Machine& operator=(const Machine&) = delete;

    ReelState reels;
    PurseState purse;
    RecordState records;
    ManiaState mania;
    DisplayState display;
    ThemeState themes;
    WindowState window;
    Config config;
    TellingState telling;
    EventQueue queue;
};

// Notes what the player just saw happen, for the next caption.
inline void Notice(Machine& m, Happening what, int number = 0) {
    m.telling.notes.push_back({what, number});
}
inline void Notice(Machine& m, Refusal why) {
    Notice(m, Happening::Refused, static_cast<int>(why));
}

// The current run's play time in milliseconds: the tick count since the end of
// start-up, across the wrap of the tick count; a run longer than a Long holds
// keeps the largest time.
Long PlayTime(Machine& m);

// Ends the program: no further event runs.
void EndProgram(Machine& m, int status);

// Enables or disables a menu of the menu bar. A command of a disabled menu that
// was already queued is dropped when its turn comes.
void EnableMenu(Machine& m, MenuId menu, bool enabled);

// Switches a window timer on or off; ticks of a timer that is off are dropped.
void EnableTimer(Machine& m, TimerId timer, bool on);

// Marks a modal window of the machine as open for its lifetime.
class ModalWindow {
public:
    explicit ModalWindow(Machine& m) : m_(m), was_(m.window.ModalOpen) { m_.window.ModalOpen = true; }
    ~ModalWindow() { m_.window.ModalOpen = was_; }
    ModalWindow(const ModalWindow&) = delete;
    ModalWindow& operator=(const ModalWindow&) = delete;

private:
    Machine& m_;
    bool was_;
};

}  // namespace fw
