#include "shell/events.h"

#include <algorithm>

#include "machine/screen.h"
#include "play/mania.h"
#include "records/recovery.h"
#include "records/screens.h"
#include "shell/captions.h"
#include "shell/dispatch.h"
#include "shell/keys.h"
#include "shell/menus.h"
#include "shell/odds.h"
#include "shell/quit.h"
#include "shell/startup.h"
#include "shell/trace.h"

namespace fw {

namespace {

template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

// Events that say the same as one already waiting add nothing: a timer tick,
// a repaint, a menu command. Presses, releases and the rest all count.
bool SameAsWaiting(const MachineEvent& waiting, const MachineEvent& event) {
    if (waiting.index() != event.index()) return false;
    if (const auto* tick = std::get_if<ev::Tick>(&event)) {
        return std::get<ev::Tick>(waiting).timer == tick->timer;
    }
    if (const auto* theme = std::get_if<ev::MenuTheme>(&event)) {
        return std::get<ev::MenuTheme>(waiting).index == theme->index;
    }
    return std::holds_alternative<ev::Expose>(event) || std::holds_alternative<ev::MenuConfig>(event) ||
           std::holds_alternative<ev::MenuQuit>(event) || std::holds_alternative<ev::MenuAbout>(event) ||
           std::holds_alternative<ev::MenuManual>(event) || std::holds_alternative<ev::MenuOdds>(event);
}

// Quit, closing the window, the logout and the signals: they go ahead of
// everything that waits and run as soon as the event in hand has ended; the
// end of the program drops what still waits.
bool Quits(const MachineEvent& event) {
    return std::holds_alternative<ev::MenuQuit>(event) || std::holds_alternative<ev::CloseWindow>(event);
}

bool IsPress(const MachineEvent& event) {
    return std::holds_alternative<ev::Press>(event) || std::holds_alternative<ev::Key>(event);
}

// A busy machine lets a few presses wait their turn and refuses the rest.
constexpr std::size_t kWaitingPresses = 4;

}  // namespace

void Post(Machine& m, MachineEvent event) {
    if (m.queue.ended) return;
    const auto* tick = std::get_if<ev::Tick>(&event);
    if (m.window.ModalOpen && tick && tick->timer == TimerId::ElapsedTime) {
        // The statistics page's clock keeps running while a modal window is
        // open; it only draws on the screen.
        if (m.window.ElapsedTimerOn) {
            tmrElapsedTime_Timer(m);
            m.host.Present();
        }
        return;
    }
    // Keys are the main window's: they do nothing while a modal window is open.
    if (m.window.ModalOpen && std::holds_alternative<ev::Key>(event)) return;
    if (Quits(event)) {
        for (const MachineEvent& waiting : m.queue.pending) {
            if (Quits(waiting)) return;
        }
        m.queue.pending.push_front(event);
        RunPending(m);
        return;
    }
    if (const auto* release = std::get_if<ev::Release>(&event)) {
        // The release of a refused press goes with it; losing the mouse releases every button.
        const unsigned button = static_cast<unsigned>(release->button);
        if (button != 0 && (m.queue.RefusedButtons & button) != 0) {
            m.queue.RefusedButtons &= ~button;
            return;
        }
        if (button == 0) m.queue.RefusedButtons = 0;
    }
    for (const MachineEvent& waiting : m.queue.pending) {
        if (SameAsWaiting(waiting, event)) return;
    }
    if (IsPress(event) && static_cast<std::size_t>(std::count_if(
                              m.queue.pending.begin(), m.queue.pending.end(), IsPress)) >= kWaitingPresses) {
        if (const auto* press = std::get_if<ev::Press>(&event))
            m.queue.RefusedButtons |= static_cast<unsigned>(press->button);
        return;
    }
    m.queue.pending.push_back(event);
    RunPending(m);
}

void RunPending(Machine& m) {
    if (m.queue.busy) return;  // the running handler picks it up when it returns
    m.queue.busy = true;
    while (!m.queue.ended && !m.queue.pending.empty()) {
        const MachineEvent event = m.queue.pending.front();
        m.queue.pending.pop_front();
        m.clock.Sync();
        HandleEvent(m, event);
        RefreshOdds(m);
        if (m.queue.ended) break;
        TellCaption(m);
        // A coin, a game, a new name: the run record follows the run.
        KeepRunRecord(m);
        m.host.Present();
    }
    m.queue.busy = false;
}

void HandleEvent(Machine& m, const MachineEvent& event) {
    auto menuOn = [&](MenuId menu) { return m.window.MenuEnabled[static_cast<int>(menu)]; };
    std::visit(Overloaded{
                   [&](const ev::Load&) { Form_Load(m); },
                   [&](const ev::Activate&) { Form_Activate(m); },
                   [&](const ev::Expose&) { Form_Paint(m); },
                   // A press's mark follows all it set off (a whole game, a coin's fall).
                   [&](const ev::Press& e) {
                       OnPress(m, e.button, e.x, e.y, e.reach);
                       TraceMark("press");
                   },
                   [&](const ev::Release& e) {
                       OnRelease(m, e.button, e.x, e.y, e.inside);
                       TraceMark("release");
                   },
                   [&](const ev::Tick& e) {
                       if (e.timer == TimerId::ElapsedTime && m.window.ElapsedTimerOn)
                           tmrElapsedTime_Timer(m);
                       if (e.timer == TimerId::MultiCheck && m.window.MultiCheckTimerOn)
                           tmrMultiCheck_Timer(m);
                   },
                   [&](const ev::MenuConfig&) {
                       if (menuOn(MenuId::Game)) mnuConfig_Click(m);
                   },
                   [&](const ev::MenuQuit&) {
                       if (menuOn(MenuId::Game)) mnuQuit_Click(m);
                   },
                   [&](const ev::MenuTheme& e) {
                       if (menuOn(MenuId::Theme)) mnuWheelTheme_Click(m, e.index);
                   },
                   [&](const ev::MenuAbout&) {
                       if (menuOn(MenuId::Help)) mnuAbout_Click(m);
                   },
                   [&](const ev::MenuManual&) {
                       if (menuOn(MenuId::Help)) mnuManual_Click(m);
                   },
                   [&](const ev::MenuOdds&) {
                       if (menuOn(MenuId::Help)) mnuOdds_Click(m);
                   },
                   [&](const ev::CloseWindow&) { Form_Unload(m); },
                   [&](const ev::Key& e) {
                       OnKey(m, e.command, e.number);
                       TraceMark(KeyMark(e.command), static_cast<std::uint32_t>(e.number));
                   },
               },
               event);
}

bool HasEnded(const Machine& m) {
    return m.queue.ended;
}

int ExitStatus(const Machine& m) {
    return m.queue.exitStatus;
}

bool IsBusy(const Machine& m) {
    return m.queue.busy;
}

bool AtRest(const Machine& m) {
    return !m.queue.busy && !m.queue.ended;
}

bool RunBetweenEvents(Machine& m, const std::function<void()>& work) {
    if (!AtRest(m)) return false;
    m.queue.busy = true;
    work();
    m.queue.busy = false;
    RunPending(m);
    return true;
}

}  // namespace fw
