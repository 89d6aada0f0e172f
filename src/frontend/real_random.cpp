#include "frontend/real_random.h"

#include <chrono>

namespace fw {

RealRandom::RealRandom() : entropy_((std::uint64_t{std::random_device{}()} << 32) | std::random_device{}()) {
    Randomize();
}

RealRandom::RealRandom(std::uint64_t entropy) : entropy_(entropy) {
    Randomize();
}

// 53 random bits: every value lies in [0, 1).
double RealRandom::Rnd() {
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

void RealRandom::Randomize() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    std::seed_seq seed{static_cast<std::uint32_t>(now), static_cast<std::uint32_t>(now >> 32),
                       static_cast<std::uint32_t>(entropy_), static_cast<std::uint32_t>(entropy_ >> 32)};
    engine_.seed(seed);
    ++entropy_;
}

}  // namespace fw
