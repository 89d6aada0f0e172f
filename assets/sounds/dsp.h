// Small synthesis toolkit for the sound generator: signals are mono buffers of
// doubles at 44100 Hz, nominally within -1..1 before mastering.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace sfx {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;

using Signal = std::vector<double>;

// Number of samples in a span of seconds, rounded to the nearest sample.
std::size_t Samples(double seconds);
inline double TimeOf(std::size_t n) {
    return static_cast<double>(n) / kRate;
}

// Equal-tempered pitch of a MIDI note number (69 = A 440 Hz).
double Hz(double midiNote);

// Deterministic noise: xorshift64*, so every build writes the same files.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed ? seed : 0x9E3779B97F4A7C15ull) {}
    double Uniform();                                   // [0, 1)
    double Bipolar() { return 2.0 * Uniform() - 1.0; }  // [-1, 1)
    double Range(double lo, double hi) { return lo + (hi - lo) * Uniform(); }

private:
    std::uint64_t state_;
};

// ---- Envelopes (t in seconds) -----------------------------------------------------
// Smooth sin^2 rise over `attack`, then exponential decay with time constant `tau`.
double Strike(double t, double attack, double tau);
// Raised-cosine gate: rises over `in`, holds, falls over `out`, zero outside [0, dur].
double Gate(double t, double dur, double in, double out);
// Linear interpolation through (time, value) breakpoints, held at both ends.
double Curve(double t, const std::vector<std::pair<double, double>>& points);

// ---- Filters ----------------------------------------------------------------------
// Biquad after the usual audio cookbook formulas; coefficients may be changed
// per sample for sweeps.
class Biquad {
public:
    void LowPass(double freq, double q);
    void HighPass(double freq, double q);
    void BandPass(double freq, double q);  // 0 dB peak gain
    double Process(double x);

private:
    void Set(double b0, double b1, double b2, double a0, double a1, double a2);
    double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double z1_ = 0, z2_ = 0;
};

// ---- Building blocks ------------------------------------------------------------------
// A partial of an additive voice: frequency ratio, amplitude, decay time
// constant in seconds (0 = follows the voice envelope only).
struct Partial {
    double ratio;
    double amp;
    double tau = 0.0;
};

// Decaying sinusoids at fixed frequencies: bells, chimes, coins, wood.
struct Mode {
    double freq;
    double amp;
    double tau;
};
Signal Modal(double dur, const std::vector<Mode>& modes, double attack = 0.0015, double phase = 0.0);

// Additive voice with a time-varying fundamental and an overall envelope.
Signal Additive(double dur, const std::function<double(double)>& freq, const std::vector<Partial>& partials,
                const std::function<double(double)>& env);

// Brass-like voice: harmonics that brighten with loudness, delayed vibrato.
Signal Brass(double freq, double dur, double brightness = 1.0, double vibrato = 0.004, int harmonics = 14);

// Vibraphone-like chime: strong fundamental, quickly fading overtones.
Signal Chime(double freq, double dur, double tau);

// A short band of noise: a burst through a band-pass filter with a fast decay.
Signal NoiseBurst(double dur, double centre, double q, double tau, Rng& rng);

// Pitch-dropping sine: the low "thump" of something heavy coming to rest.
Signal Thump(double dur, double fStart, double fEnd, double drop, double tau);

// ---- Mixing and effects ------------------------------------------------------------------
// Adds `in` scaled by `gain` into `out` starting at `at` seconds, growing `out`.
void Mix(Signal& out, const Signal& in, double at, double gain = 1.0);
// Same, but wraps around the end of `out`: for building loops.
void MixWrapped(Signal& out, const Signal& in, std::size_t at, double gain = 1.0);
void Scale(Signal& s, double gain);
void Pad(Signal& s, double seconds);  // appends silence
// Small room: parallel damped combs into series all-passes; `tail` seconds added.
Signal Room(const Signal& dry, double size, double damping, double wet, double tail);
// Repeating echo with a low-pass in the loop.
Signal Echo(const Signal& dry, double delay, double feedback, double cutoff, double tail);

double Peak(const Signal& s);

}  // namespace sfx
