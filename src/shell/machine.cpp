#include "shell/machine.h"

#include <algorithm>
#include <limits>

#include "globals/cells.h"
#include "shell/form.h"

namespace fw {

Machine::Machine(Platform platform, Pictures pictures, std::string appFolder)
    : clock(platform.clock),
      random(platform.random),
      sound(platform.sound),
      store(platform.store),
      images(platform.images),
      host(platform.host),
      AppFolder(std::move(appFolder)),
      hdcScreen(kScreenWidth, kScreenHeight),
      hdcCompose(std::move(pictures.machine)),
      hdcSprites(std::move(pictures.sprites)) {}

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
        if (!m.ended) m.host.Present();
    }
    m.busy = false;
}

void EnableMenu(Machine& m, MenuId menu, bool enabled) {
    m.MenuEnabled[static_cast<int>(menu)] = enabled;
    m.host.EnableMenu(menu, enabled);
}

void EnableTimer(Machine& m, TimerId timer, bool on) {
    (timer == TimerId::ElapsedTime ? m.ElapsedTimerOn : m.MultiCheckTimerOn) = on;
    m.host.EnableTimer(timer, on);
}

Long PlayTime(Machine& m) {
    const std::uint32_t elapsed = m.clock.Ticks() - static_cast<std::uint32_t>(m.StartTicks);
    return static_cast<Long>(std::min<std::uint32_t>(elapsed, std::numeric_limits<Long>::max()));
}

void EndProgram(Machine& m, int status) {
    m.ended = true;
    m.exitStatus = status;
    m.pending.clear();
    m.host.EndProgram(status);
}

}  // namespace fw
