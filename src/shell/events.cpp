#include "shell/events.h"

#include "machine/screen.h"
#include "play/mania.h"
#include "records/screens.h"
#include "shell/dispatch.h"
#include "shell/menus.h"
#include "shell/odds.h"
#include "shell/quit.h"
#include "shell/startup.h"

namespace fw {

namespace {

template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};

}  // namespace

void Post(Machine& m, MachineEvent event) {
    if (m.ended) return;
    // Like window timer messages, a tick that is already waiting is not queued twice.
    if (const auto* tick = std::get_if<ev::Tick>(&event)) {
        for (const MachineEvent& waiting : m.pending) {
            const auto* other = std::get_if<ev::Tick>(&waiting);
            if (other && other->timer == tick->timer) return;
        }
    }
    m.pending.push_back(event);
    RunPending(m);
}

void RunPending(Machine& m) {
    if (m.busy) return;  // the running handler picks it up when it returns
    m.busy = true;
    while (!m.ended && !m.pending.empty()) {
        const MachineEvent event = m.pending.front();
        m.pending.pop_front();
        m.clock.Sync();
        HandleEvent(m, event);
        RefreshOdds(m);
        if (!m.ended) m.host.Present();
    }
    m.busy = false;
}

void HandleEvent(Machine& m, const MachineEvent& event) {
    auto menuOn = [&](MenuId menu) { return m.MenuEnabled[static_cast<int>(menu)]; };
    std::visit(Overloaded{
                   [&](const ev::Load&) { Form_Load(m); },
                   [&](const ev::Activate&) { Form_Activate(m); },
                   [&](const ev::Expose&) { Form_Paint(m); },
                   [&](const ev::Press& e) { OnPress(m, e.button, e.x, e.y); },
                   [&](const ev::Release& e) { OnRelease(m, e.x, e.y, e.inside); },
                   [&](const ev::Tick& e) {
                       if (e.timer == TimerId::ElapsedTime && m.ElapsedTimerOn) tmrElapsedTime_Timer(m);
                       if (e.timer == TimerId::MultiCheck && m.MultiCheckTimerOn) tmrMultiCheck_Timer(m);
                   },
                   [&](const ev::MenuConfig&) {
                       if (menuOn(MenuId::Game)) mnuConfig_Click(m);
                   },
                   [&](const ev::MenuQuit&) {
                       if (menuOn(MenuId::Game)) mnuQuit_Click(m);
                   },
                   [&](const ev::MenuTheme& e) {
                       if (menuOn(MenuId::Theme)) MnuWheelTheme_Click(m, e.index);
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
               },
               event);
}

}  // namespace fw
