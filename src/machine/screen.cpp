#include "machine/screen.h"

namespace fw {

void Form_Paint(Machine& m) {
    BitBlt(m.display.hdcScreen, 0, 0, kScreenWidth, kScreenHeight, m.display.hdcCompose, 0, 0);
}

void SaveScreen(Machine& m) {
    BitBlt(m.display.hdcCompose, 0, 0, kScreenWidth, kScreenHeight, m.display.hdcScreen, 0, 0);
}

void Pause(Machine& m, int ms) {
    if (ms <= 0) return;
    const std::uint32_t start = m.clock.Ticks();
    const auto wanted = static_cast<std::uint32_t>(ms);
    // The difference is taken in wrap-around arithmetic, so a pause across the
    // wrap of the tick count still lasts its full time.
    for (std::uint32_t passed = 0; passed < wanted; passed = m.clock.Ticks() - start) {
        m.clock.Wait(std::chrono::milliseconds(wanted - passed));
    }
}

void InterlaceWipe(Machine& m, Wipe mode) {
    const Rop rop = mode == Wipe::Reveal ? Rop::SrcCopy : Rop::Blackness;
    for (int pass = 0; pass < 8; ++pass) {
        // Offsets run to the picture's height inclusive; the last row of a pass lies below the
        // picture, where the copy changes nothing.
        for (int offset = 0; offset <= kScreenHeight; offset += 8) {
            BitBlt(m.display.hdcScreen, 0, offset + pass, kScreenWidth, 1, m.display.hdcCompose, 0,
                   offset + pass, rop);
        }
        Pause(m, 50);
    }
}

}  // namespace fw
