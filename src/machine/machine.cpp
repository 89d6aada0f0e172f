#include "machine/machine.h"

#include <algorithm>
#include <limits>

#include "machine/cells.h"

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
