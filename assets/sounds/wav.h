// Writes a signal as a RIFF/WAVE file: PCM, 16-bit, mono, 44100 Hz.
#pragma once

#include "dsp.h"

#include <string>

namespace sfx {

bool WriteWav(const std::string& path, const Signal& s);

}  // namespace sfx
