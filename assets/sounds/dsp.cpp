#include "dsp.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace sfx {

std::size_t Samples(double seconds) {
    return seconds <= 0 ? 0 : static_cast<std::size_t>(std::llround(seconds * kRate));
}

double Hz(double midiNote) {
    return 440.0 * std::pow(2.0, (midiNote - 69.0) / 12.0);
}

double Rng::Uniform() {
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    const std::uint64_t r = state_ * 0x2545F4914F6CDD1Dull;
    return static_cast<double>(r >> 11) * (1.0 / 9007199254740992.0);
}

// ---- Envelopes -------------------------------------------------------------------------

double Strike(double t, double attack, double tau) {
    if (t < 0) return 0;
    if (t < attack) {
        const double s = std::sin(0.5 * kPi * t / attack);
        return s * s;
    }
    return std::exp(-(t - attack) / tau);
}

double Gate(double t, double dur, double in, double out) {
    if (t < 0 || t > dur) return 0;
    double g = 1;
    if (in > 0 && t < in) g *= 0.5 - 0.5 * std::cos(kPi * t / in);
    if (out > 0 && t > dur - out) g *= 0.5 - 0.5 * std::cos(kPi * (dur - t) / out);
    return g;
}

double Curve(double t, const std::vector<std::pair<double, double>>& points) {
    if (points.empty()) return 0;
    if (t <= points.front().first) return points.front().second;
    for (std::size_t i = 1; i < points.size(); ++i) {
        if (t <= points[i].first) {
            const auto [t0, v0] = points[i - 1];
            const auto [t1, v1] = points[i];
            return t1 > t0 ? v0 + (v1 - v0) * (t - t0) / (t1 - t0) : v1;
        }
    }
    return points.back().second;
}

// ---- Filters -------------------------------------------------------------------------------

void Biquad::Set(double b0, double b1, double b2, double a0, double a1, double a2) {
    b0_ = b0 / a0;
    b1_ = b1 / a0;
    b2_ = b2 / a0;
    a1_ = a1 / a0;
    a2_ = a2 / a0;
}

void Biquad::LowPass(double freq, double q) {
    const double w = kTwoPi * std::min(freq, 0.45 * kRate) / kRate;
    const double c = std::cos(w), alpha = std::sin(w) / (2 * q);
    Set((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

void Biquad::HighPass(double freq, double q) {
    const double w = kTwoPi * std::min(freq, 0.45 * kRate) / kRate;
    const double c = std::cos(w), alpha = std::sin(w) / (2 * q);
    Set((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

void Biquad::BandPass(double freq, double q) {
    const double w = kTwoPi * std::min(freq, 0.45 * kRate) / kRate;
    const double c = std::cos(w), alpha = std::sin(w) / (2 * q);
    Set(alpha, 0, -alpha, 1 + alpha, -2 * c, 1 - alpha);
}

double Biquad::Process(double x) {
    // Transposed direct form II.
    const double y = b0_ * x + z1_;
    z1_ = b1_ * x - a1_ * y + z2_;
    z2_ = b2_ * x - a2_ * y;
    return y;
}

// ---- Building blocks -------------------------------------------------------------------------

Signal Modal(double dur, const std::vector<Mode>& modes, double attack, double phase) {
    Signal s(Samples(dur));
    const double release = std::min(0.03, 0.25 * dur);  // rings out, never cut off
    for (const Mode& m : modes) {
        if (m.freq >= 0.45 * kRate) continue;  // above what the file can hold
        const double w = kTwoPi * m.freq / kRate;
        for (std::size_t n = 0; n < s.size(); ++n) {
            const double t = TimeOf(n);
            s[n] += m.amp * Strike(t, attack, m.tau) * Gate(t, dur, 0, release) * std::sin(w * n + phase);
        }
    }
    return s;
}

Signal Additive(double dur, const std::function<double(double)>& freq, const std::vector<Partial>& partials,
                const std::function<double(double)>& env) {
    Signal s(Samples(dur));
    double phase = 0;  // phase of the fundamental, in cycles
    for (std::size_t n = 0; n < s.size(); ++n) {
        const double t = TimeOf(n);
        const double f = freq(t);
        double v = 0;
        for (const Partial& p : partials) {
            if (f * p.ratio >= 0.45 * kRate) continue;
            const double a = p.tau > 0 ? p.amp * std::exp(-t / p.tau) : p.amp;
            v += a * std::sin(kTwoPi * phase * p.ratio);
        }
        s[n] = v * env(t);
        phase += f / kRate;
        phase -= std::floor(phase);  // integer ratios only need the fraction
    }
    return s;
}

Signal Brass(double freq, double dur, double brightness, double vibrato, int harmonics) {
    Signal s(Samples(dur));
    const double attack = 0.035, release = std::min(0.12, dur * 0.35);
    double phase = 0;
    for (std::size_t n = 0; n < s.size(); ++n) {
        const double t = TimeOf(n);
        // Swell, settle to a sustain, and release at the end of the note.
        double e =
            t < attack ? std::sin(0.5 * kPi * t / attack) : 0.78 + 0.22 * std::exp(-(t - attack) / 0.08);
        e *= Gate(t, dur, 0, release);
        const double vib = 1 + vibrato * std::min(1.0, t / 0.25) * std::sin(kTwoPi * 5.3 * t);
        const double f = freq * vib;
        double v = 0;
        for (int k = 1; k <= harmonics; ++k) {
            if (f * k >= 0.45 * kRate) break;
            // Louder playing brings out the upper harmonics.
            const double a = std::pow(e, 1.0 + 0.45 * (k - 1) / brightness) / std::pow(k, 0.9);
            v += a * std::sin(kTwoPi * phase * k);
        }
        s[n] = 0.5 * v * e;
        phase += f / kRate;
        phase -= std::floor(phase);
    }
    return s;
}

Signal Chime(double freq, double dur, double tau) {
    return Modal(dur,
                 {{freq, 1.0, tau},
                  {freq * 2.0, 0.18, tau * 0.45},
                  {freq * 3.98, 0.22, tau * 0.22},
                  {freq * 9.1, 0.06, tau * 0.08}},
                 0.002);
}

Signal NoiseBurst(double dur, double centre, double q, double tau, Rng& rng) {
    Signal s(Samples(dur));
    Biquad bp;
    bp.BandPass(centre, q);
    for (std::size_t n = 0; n < s.size(); ++n) {
        const double t = TimeOf(n);
        s[n] = bp.Process(rng.Bipolar()) * Strike(t, 0.0008, tau) * Gate(t, dur, 0, 0.25 * dur);
    }
    return s;
}

Signal Thump(double dur, double fStart, double fEnd, double drop, double tau) {
    Signal s(Samples(dur));
    double phase = 0;
    for (std::size_t n = 0; n < s.size(); ++n) {
        const double t = TimeOf(n);
        const double f = fEnd + (fStart - fEnd) * std::exp(-t / drop);
        s[n] = std::sin(kTwoPi * phase) * Strike(t, 0.002, tau) * Gate(t, dur, 0, 0.25 * dur);
        phase += f / kRate;
    }
    return s;
}

// ---- Mixing and effects ------------------------------------------------------------------------

void Mix(Signal& out, const Signal& in, double at, double gain) {
    const std::size_t start = Samples(at);
    if (out.size() < start + in.size()) out.resize(start + in.size(), 0.0);
    for (std::size_t n = 0; n < in.size(); ++n) out[start + n] += gain * in[n];
}

void MixWrapped(Signal& out, const Signal& in, std::size_t at, double gain) {
    if (out.empty()) return;
    for (std::size_t n = 0; n < in.size(); ++n) out[(at + n) % out.size()] += gain * in[n];
}

void Scale(Signal& s, double gain) {
    for (double& v : s) v *= gain;
}

void Pad(Signal& s, double seconds) {
    s.resize(s.size() + Samples(seconds), 0.0);
}

namespace {

class Comb {
public:
    Comb(std::size_t len, double feedback, double damping) : buf_(len, 0.0), fb_(feedback), damp_(damping) {}
    double Process(double x) {
        const double y = buf_[pos_];
        store_ = y * (1 - damp_) + store_ * damp_;
        buf_[pos_] = x + store_ * fb_;
        pos_ = (pos_ + 1) % buf_.size();
        return y;
    }

private:
    Signal buf_;
    double fb_, damp_, store_ = 0;
    std::size_t pos_ = 0;
};

class AllPass {
public:
    explicit AllPass(std::size_t len) : buf_(len, 0.0) {}
    double Process(double x) {
        const double b = buf_[pos_];
        const double y = b - 0.5 * x;
        buf_[pos_] = x + 0.5 * b;
        pos_ = (pos_ + 1) % buf_.size();
        return y;
    }

private:
    Signal buf_;
    std::size_t pos_ = 0;
};

}  // namespace

Signal Room(const Signal& dry, double size, double damping, double wet, double tail) {
    static constexpr std::array<int, 4> kCombs = {1116, 1188, 1277, 1356};
    static constexpr std::array<int, 2> kAllPasses = {556, 441};
    std::vector<Comb> combs;
    for (int len : kCombs)
        combs.emplace_back(static_cast<std::size_t>(len * size), 0.80 + 0.04 * size, damping);
    std::vector<AllPass> allPasses;
    for (int len : kAllPasses) allPasses.emplace_back(static_cast<std::size_t>(len * size));

    Signal out(dry.size() + Samples(tail), 0.0);
    for (std::size_t n = 0; n < out.size(); ++n) {
        const double x = n < dry.size() ? dry[n] : 0.0;
        double r = 0;
        for (Comb& c : combs) r += c.Process(x * 0.25);
        for (AllPass& a : allPasses) r = a.Process(r);
        out[n] = x + wet * r;
    }
    return out;
}

Signal Echo(const Signal& dry, double delay, double feedback, double cutoff, double tail) {
    Signal out(dry.size() + Samples(tail), 0.0);
    const std::size_t d = std::max<std::size_t>(1, Samples(delay));
    Signal line(d, 0.0);
    Biquad lp;
    lp.LowPass(cutoff, 0.707);
    std::size_t pos = 0;
    for (std::size_t n = 0; n < out.size(); ++n) {
        const double x = n < dry.size() ? dry[n] : 0.0;
        const double delayed = line[pos];
        line[pos] = x + feedback * lp.Process(delayed);
        pos = (pos + 1) % d;
        out[n] = x + delayed * feedback;
    }
    return out;
}

double Peak(const Signal& s) {
    double p = 0;
    for (double v : s) p = std::max(p, std::abs(v));
    return p;
}

}  // namespace sfx
