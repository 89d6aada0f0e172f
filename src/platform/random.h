// The machine's random number source.
#pragma once

namespace fw {

class Random {
public:
    virtual ~Random() = default;
    // A uniform number in [0, 1).
    virtual double Rnd() = 0;
    // Reseeds the generator from the clock.
    virtual void Randomize() = 0;
};

}  // namespace fw
