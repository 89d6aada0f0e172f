#include "shell/odds.h"

#include <cstdio>
#include <stdexcept>

#include "platform/words.h"
#include "play/odds.h"

namespace fw {

namespace {

// What the odds window's figures depend on.
std::vector<int> OddsInputs(const Machine& m) {
    std::vector<int> inputs(m.reels.ReelPos.begin(), m.reels.ReelPos.end());
    inputs.insert(inputs.end(), m.reels.Held.begin(), m.reels.Held.end());
    inputs.insert(inputs.end(), m.reels.WinLock.begin(), m.reels.WinLock.end());
    inputs.insert(inputs.end(), {m.reels.HoldAllowed, m.mania.ManiaActive, m.themes.ThemeIndex});
    return inputs;
}

std::string Printed(const char* format, auto... values) {
    char text[160];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

}  // namespace

void mnuOdds_Click(Machine& m) {
    m.window.OddsShownFor = OddsInputs(m);
    // Tables that defeat the exact figures (a fraction too large) end no game.
    try {
        m.host.ShowOdds(WorkOutOdds(m), true);
    } catch (const std::exception& e) {
        m.host.ShowError(m.config.AppName, Fill(Tr("odds", "The odds cannot be worked out: %1"), {e.what()}));
    }
}

void RefreshOdds(Machine& m) {
    if (m.queue.ended || !m.host.OddsShown()) return;
    std::vector<int> inputs = OddsInputs(m);
    if (inputs == m.window.OddsShownFor) return;
    m.window.OddsShownFor = std::move(inputs);
    try {
        m.host.ShowOdds(WorkOutOdds(m), false);
    } catch (const std::exception&) {
        // The window keeps the figures it has.
    }
}

std::string OneIn(const Rational& chance) {
    if (chance.num <= 0) return Tr("odds", "never");
    // Translators: a chance, "1 in 8.89": one game in that many.
    const std::string oneIn = Tr("odds", "1 in %1");
    if (chance.den % chance.num == 0)
        return Fill(oneIn, {Printed("%lld", static_cast<long long>(chance.den / chance.num))});
    const double games = 1.0 / chance.value();
    if (games < 10) return Fill(oneIn, {WithDecimalMark(Printed("%.2f", games))});
    if (games < 100) return Fill(oneIn, {WithDecimalMark(Printed("%.1f", games))});
    return Fill(oneIn, {Printed("%.0f", games)});
}

std::string Percent(const Rational& share) {
    // A share below 1 % keeps two figures that are not 0: "0.037 %", not "0.0 %".
    const double percent = 100 * share.value();
    int decimals = 1;
    for (double shown = percent * 10; shown > 0 && shown < 10 && decimals < 6; shown *= 10) ++decimals;
    return WithDecimalMark(Printed("%.*f %%", decimals, percent));
}

std::string FractionText(const Rational& r) {
    if (r.den == 1) return Printed("%lld", static_cast<long long>(r.num));
    return Printed("%lld/%lld", static_cast<long long>(r.num), static_cast<long long>(r.den));
}

}  // namespace fw
