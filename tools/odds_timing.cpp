// Times working out every figure of the odds window in its slowest case: all
// seven hold choices on offer and the Mania period running. Prints the first
// run's time and the median of the next 50, in milliseconds.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "fakes.h"
#include "play/odds.h"

int main() {
    fw::test::Rig rig;
    rig.Start();
    rig.m.reels.ReelPos = {9, 0, 13};
    rig.m.reels.HoldAllowed = fw::True;
    rig.m.mania.ManiaActive = fw::True;
    std::vector<double> times;
    for (int run = 0; run <= 50; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const fw::OddsReport odds = fw::WorkOutOdds(rig.m);
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        if (odds.holds.size() != 7) return 1;
    }
    const double first = times.front();
    std::nth_element(times.begin() + 1, times.begin() + 26, times.end());
    std::printf("odds-timing %.2f %.2f\n", first, times[26]);
    return 0;
}
