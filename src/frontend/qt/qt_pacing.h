// The desktop's part of the paced clock: the steady clock, the screen widget
// that shows the frames, and Qt's event loop run while the machine waits.
#pragma once

#include "edition/paced_clock.h"

namespace fw {

class ScreenWidget;

class QtPacing : public PacingHost {
public:
    explicit QtPacing(ScreenWidget* screen) : screen_(screen) {}

    std::chrono::nanoseconds Now() override;
    void Show(bool animation) override;
    void Breathe() override;
    void LiveUntil(std::chrono::nanoseconds moment) override;
    void SleepUntil(std::chrono::nanoseconds moment) override;

private:
    ScreenWidget* screen_;
};

}  // namespace fw
