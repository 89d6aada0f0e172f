#include "shell/odds.h"

#include <cstdio>
#include <stdexcept>

#include "play/odds.h"
#include "records/data_tables.h"

namespace fw {

namespace {

// What the odds window's figures depend on.
std::vector<int> OddsInputs(const Machine& m) {
    std::vector<int> inputs(m.ReelPos.begin(), m.ReelPos.end());
    inputs.insert(inputs.end(), m.Held.begin(), m.Held.end());
    inputs.insert(inputs.end(), m.WinLock.begin(), m.WinLock.end());
    inputs.insert(inputs.end(), {m.HoldAllowed, m.ManiaActive, m.ThemeIndex});
    return inputs;
}

std::string Printed(const char* format, auto... values) {
    char text[160];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

}  // namespace

void mnuOdds_Click(Machine& m) {
    m.OddsShownFor = OddsInputs(m);
    // Tables that defeat the exact figures (a fraction too large) end no game.
    try {
        m.host.ShowOdds(WorkOutOdds(m), true);
    } catch (const std::exception& e) {
        m.host.ShowError(m.AppName, std::string("The odds cannot be worked out: ") + e.what());
    }
}

void RefreshOdds(Machine& m) {
    if (m.ended || !m.host.OddsShown()) return;
    std::vector<int> inputs = OddsInputs(m);
    if (inputs == m.OddsShownFor) return;
    m.OddsShownFor = std::move(inputs);
    try {
        m.host.ShowOdds(WorkOutOdds(m), false);
    } catch (const std::exception&) {
        // The window keeps the figures it has.
    }
}

std::string OneIn(const Rational& chance) {
    if (chance.num <= 0) return "never";
    if (chance.den % chance.num == 0)
        return Printed("1 in %lld", static_cast<long long>(chance.den / chance.num));
    const double games = 1.0 / chance.value();
    if (games < 10) return Printed("1 in %.2f", games);
    if (games < 100) return Printed("1 in %.1f", games);
    return Printed("1 in %.0f", games);
}

std::string Percent(const Rational& share) {
    return Printed("%.1f %%", 100 * share.value());
}

std::string FractionText(const Rational& r) {
    if (r.den == 1) return Printed("%lld", static_cast<long long>(r.num));
    return Printed("%lld/%lld", static_cast<long long>(r.num), static_cast<long long>(r.den));
}

std::string LongRunOddsText() {
    const OddsReport odds = TableOdds(BuiltInTables());

    std::string text = Printed("Fruitwhirl %s: odds and payouts in the long run\n", kAppVersion);
    text += "Never holding, outside the Mania period. The chances are exact.\n\n";
    text += Printed("%-6s %5s  %-12s %9s  %s\n", "Prize", "Coins", "Exactly", "About", "Pay lines");
    for (int k = 0; k < kPrizes; ++k) {
        const Rational chance = odds.longRun.prize[k];
        text += Printed("%5d  %5d  %-12s %9s  ", k + 1, odds.coins[k], FractionText(chance).c_str(),
                        OneIn(chance).c_str());
        text += odds.lines[k] + "\n";
    }
    text += Printed("%-6s %5s  %-12s %9s\n\n", "No win", "", FractionText(odds.longRun.noWin).c_str(),
                    OneIn(odds.longRun.noWin).c_str());
    text += Printed("Return per credit: %s coins (%s)\n", FractionText(odds.longRun.payout).c_str(),
                    Percent(odds.longRun.payout).c_str());
    text += Printed("Games from one 100-coin prize to the next, on average: %s\n",
                    FractionText(odds.gamesBetweenTop).c_str());
    text += "In the Mania period, with the special symbols and the bonus wheel:\n";
    text += Printed("  return per credit %s coins (%s); the bonus wheel spins in %s games\n",
                    FractionText(odds.longRunMania.payout).c_str(), Percent(odds.longRunMania.payout).c_str(),
                    OneIn(odds.longRunMania.wheel).c_str());
    return text;
}

}  // namespace fw
