#include "master.h"

#include <algorithm>
#include <cmath>

namespace sfx {
namespace {

double ToDb(double v) {
    return 20.0 * std::log10(std::max(v, 1e-12));
}
double FromDb(double db) {
    return std::pow(10.0, db / 20.0);
}

// Gain that keeps every sample under `ceiling`, moving smoothly: each gain
// value is the mean over +-L of minima over +-L of the gain each sample needs,
// so it never exceeds what any sample needs and never jumps.
void Limit(Signal& s, double ceiling, bool circular) {
    const std::ptrdiff_t len = static_cast<std::ptrdiff_t>(s.size());
    const std::ptrdiff_t half = static_cast<std::ptrdiff_t>(Samples(0.003));
    auto at = [&](const Signal& v, std::ptrdiff_t i) {
        if (circular) return v[static_cast<std::size_t>(((i % len) + len) % len)];
        return v[static_cast<std::size_t>(std::clamp<std::ptrdiff_t>(i, 0, len - 1))];
    };
    Signal need(s.size());
    for (std::size_t n = 0; n < s.size(); ++n)
        need[n] = std::min(1.0, ceiling / std::max(std::abs(s[n]), 1e-12));
    if (*std::min_element(need.begin(), need.end()) >= 1.0) return;
    Signal floor(s.size());
    for (std::ptrdiff_t n = 0; n < len; ++n) {
        double m = 1.0;
        for (std::ptrdiff_t k = -half; k <= half; ++k) m = std::min(m, at(need, n + k));
        floor[static_cast<std::size_t>(n)] = m;
    }
    for (std::ptrdiff_t n = 0; n < len; ++n) {
        double sum = 0;
        for (std::ptrdiff_t k = -half; k <= half; ++k) sum += at(floor, n + k);
        s[static_cast<std::size_t>(n)] *= sum / static_cast<double>(2 * half + 1);
    }
}

}  // namespace

double LoudRms(const Signal& s) {
    const std::size_t win = Samples(0.02);
    std::vector<double> energy;
    for (std::size_t start = 0; start < s.size(); start += win) {
        const std::size_t end = std::min(s.size(), start + win);
        double e = 0;
        for (std::size_t n = start; n < end; ++n) e += s[n] * s[n];
        energy.push_back(e / static_cast<double>(end - start));
    }
    const double loudest = *std::max_element(energy.begin(), energy.end());
    double sum = 0;
    int count = 0;
    for (double e : energy) {
        if (e >= loudest * 0.01) sum += e, ++count;  // within 20 dB
    }
    return std::sqrt(sum / count);
}

Levels Master(Signal& s, Kind kind, double loudnessDb) {
    if (kind == Kind::OneShot) {
        // Remove any offset, then fade so the file starts and ends in silence.
        const double fadeIn = 0.003, fadeOut = 0.015;
        const double dur = TimeOf(s.size() - 1);
        for (std::size_t n = 0; n < s.size(); ++n) s[n] *= Gate(TimeOf(n), dur, fadeIn, fadeOut);
    }
    Scale(s, FromDb(loudnessDb) / LoudRms(s));

    const double ceiling = FromDb(kCeilingDb);
    const double over = Peak(s) / ceiling;
    Levels levels{};
    if (over > FromDb(kMaxLimitingDb)) Scale(s, FromDb(kMaxLimitingDb) / over);
    levels.limitedDb = ToDb(std::max(1.0, Peak(s) / ceiling));
    Limit(s, ceiling, kind == Kind::Loop);
    if (Peak(s) > ceiling) Scale(s, ceiling / Peak(s));  // rounding guard
    levels.peakDb = ToDb(Peak(s));
    levels.loudDb = ToDb(LoudRms(s));
    return levels;
}

}  // namespace sfx
