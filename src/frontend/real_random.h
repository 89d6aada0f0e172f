// Uniform random numbers, reseeded from a fine-grained clock mixed with a
// per-run entropy value.
#pragma once

#include <random>

#include "platform/random.h"

namespace fw {

class RealRandom : public Random {
public:
    RealRandom();
    // A generator whose per-run value is fixed: reseeds still follow the clock.
    explicit RealRandom(std::uint64_t entropy);
    double Rnd() override;
    void Randomize() override;

private:
    std::uint64_t entropy_;
    std::mt19937_64 engine_;
};

}  // namespace fw
