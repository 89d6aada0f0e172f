#include "machine/machine.h"

#include <algorithm>
#include <limits>

#include "machine/cells.h"

namespace fw {

Machine::Machine(Platform platform, Pictures pictures, std::string appFolder) : Platform(platform) {
    display.hdcScreen = Surface(kScreenWidth, kScreenHeight);
    display.hdcCompose = std::move(pictures.machine);
    display.hdcSprites = std::move(pictures.sprites);
    config.AppFolder = std::move(appFolder);
}

void EnableMenu(Machine& m, MenuId menu, bool enabled) {
    m.window.MenuEnabled[static_cast<int>(menu)] = enabled;
    m.host.EnableMenu(menu, enabled);
}

void EnableTimer(Machine& m, TimerId timer, bool on) {
    (timer == TimerId::ElapsedTime ? m.window.ElapsedTimerOn : m.window.MultiCheckTimerOn) = on;
    m.host.EnableTimer(timer, on);
}

Long PlayTime(Machine& m) {
    const std::uint32_t elapsed = m.clock.Ticks() - static_cast<std::uint32_t>(m.records.StartTicks);
    return static_cast<Long>(std::min<std::uint32_t>(elapsed, std::numeric_limits<Long>::max()));
}

void EndProgram(Machine& m, int status) {
    m.queue.ended = true;
    m.queue.exitStatus = status;
    m.queue.pending.clear();
    m.host.EndProgram(status);
}

}  // namespace fw
