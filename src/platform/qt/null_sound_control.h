// A sound device that is never there: the machine runs silent.
#pragma once

#include "platform/sound_control.h"

namespace fw {

class NullSoundControl : public SoundControl {
public:
    void SetWindow(std::uintptr_t) override {}
    std::int32_t Initialise() override { return 1; }
    void Load(std::int32_t, const std::string&) override {}
    void PlayOnce(std::int32_t) override {}
    void StartRepeating(std::int32_t) override {}
    void Stop(std::int32_t) override {}
    void Release() override {}
};

}  // namespace fw
