// The window services that the machine asks for.
#pragma once

#include <functional>
#include <string>

#include "platform/odds_report.h"
#include "platform/surface.h"

namespace fw {

enum class MenuId { Game, Theme, Help };
enum class TimerId { ElapsedTime, MultiCheck };
enum class Pointer { Default, Hourglass };
enum class DragIcon { None, OneCoin, FiveCoins };

// What the configuration dialog shows and, on OK, hands back.
struct ConfigValues {
    std::string name;              // the player's name, at most 10 characters
    int soundOn = 1;               // 1 on, 0 off
    int speed = 50;                // 0..100, larger is slower; the slider shows 100 - speed
    bool soundAvailable = false;   // without a sound device the sound box and the volume show the
                                   // stored choice, greyed, with a note that no device was found
    bool resetHighScores = false;  // the reset box was ticked
    int volume = 100;              // 0..100 %, in steps of 10 on the slider
    // The name as the machine's font draws it, for a name holding characters
    // the font has not: an empty surface when the font draws every one.
    std::function<Surface(const std::string&)> namePreview;
    int language = 0;  // 0 the system's language, else a choice of kLanguageChoices (machine/languages.h)
};

class Host {
public:
    virtual ~Host() = default;
    // Shows the main window.
    virtual void ShowWindow() = 0;
    // The screen surface has changed: show it.
    virtual void Present() = 0;
    virtual void SetPointer(Pointer pointer) = 0;
    virtual void SetDragIcon(DragIcon icon) = 0;
    virtual void EnableMenu(MenuId menu, bool enabled) = 0;
    // Theme menu item index (1..10): caption, visibility, enabled state.
    virtual void SetThemeItem(int index, const std::string& caption, bool visible, bool enabled) = 0;
    virtual void CheckThemeItem(int index, bool checked) = 0;
    virtual void SetTopmost(bool topmost) = 0;
    virtual void EnableTimer(TimerId timer, bool enabled) = 0;
    // A modal message box with the critical-error icon and one OK button.
    virtual void ShowError(const std::string& title, const std::string& text) = 0;
    // A modal message box with the warning icon and one OK button.
    virtual void ShowMessage(const std::string& title, const std::string& text) = 0;
    // A modal message box with the warning icon and two buttons: true when the
    // player presses yes, false for no or when the box is closed or cancelled.
    virtual bool Ask(const std::string& title, const std::string& text, const std::string& /*yes*/,
                     const std::string& no) {
        ShowError(title, text + "\n\n" + no + ".");
        return false;
    }
    // The configuration dialog, modal. True on OK, with values updated; false
    // on Cancel or the close box, values untouched.
    virtual bool RunConfigDialog(ConfigValues& values) = 0;
    // The player's language changed (at start-up, once the records are read, and
    // after the configuration): choice 0 is the system's, else one of
    // kLanguageChoices (edition/language.h). The menus and windows speak it from now on.
    virtual void SetLanguage(int /*choice*/) {}
    // The About window, modal.
    virtual void ShowAbout(const std::string& version) = 0;
    // The manual window, modeless: reads the file afresh at every call.
    virtual void ShowManual(const std::string& path) = 0;
    // The odds window, modeless. open: shows it with these figures (or brings it
    // forward); otherwise only the figures of an open window are replaced.
    virtual void ShowOdds(const OddsReport& odds, bool open) = 0;
    // The odds window is open.
    virtual bool OddsShown() = 0;
    // Ends the program with the exit status once the current event returns.
    virtual void EndProgram(int status) = 0;
    // A caption: what just happened and what the player can do now, in one
    // short sentence in the player's language. urgent: a panel or a jackpot,
    // which a screen reader says at once instead of after what it is saying.
    virtual void Caption(const std::string& /*sentence*/, bool /*urgent*/) {}
};

}  // namespace fw
