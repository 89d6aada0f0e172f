#include "play/odds.h"

#include <cmath>
#include <limits>
#include <numeric>
#include <optional>
#include <stdexcept>
#include <string>

#include "machine/cells.h"
#include "play/mania.h"
#include "play/spin.h"
#include "presentation/themes.h"

namespace fw {

namespace {

constexpr int kPositions = kReelPositions;
constexpr int kStates = kPositions * kPositions * kPositions;
constexpr int kSymbolIds = 15;
using Positions = std::array<Integer, 3>;

std::int64_t Add(std::int64_t a, std::int64_t b) {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) throw std::overflow_error("a sum of the odds does not fit");
    return sum;
}

std::int64_t Mul(std::int64_t a, std::int64_t b) {
    std::int64_t product = 0;
    if (__builtin_mul_overflow(a, b, &product))
        throw std::overflow_error("a product of the odds does not fit");
    return product;
}

// Reel positions as one number: 400 p0 + 20 p1 + p2.
int Index(const Positions& p) {
    return (p[0] * kPositions + p[1]) * kPositions + p[2];
}

Positions At(int index) {
    return {static_cast<Integer>(index / (kPositions * kPositions)),
            static_cast<Integer>(index / kPositions % kPositions), static_cast<Integer>(index % kPositions)};
}

// Turns every reel by the turn of the same reel in `turn` (backwards when sign is -1).
int Turned(int index, int turn, int sign = 1) {
    const Positions a = At(index);
    const Positions b = At(turn);
    Positions sum{};
    for (int r = 0; r < 3; ++r)
        sum[r] = static_cast<Integer>(((a[r] + sign * b[r]) % kPositions + kPositions) % kPositions);
    return Index(sum);
}

// Whether the turns, repeated and combined, reach every position from any
// other. The positions reached from 0 form a subgroup of the turns of all three
// reels; each turn not yet in it adds all its multiples.
bool ReachesEverywhere(const std::vector<int>& turns) {
    std::vector<char> reached(kStates, 0);
    std::vector<int> members{0};
    reached[0] = 1;
    for (const int turn : turns) {
        if (reached[turn]) continue;
        const std::size_t before = members.size();
        for (int multiple = turn; multiple != 0; multiple = Turned(multiple, turn)) {
            for (std::size_t i = 0; i < before; ++i) {
                const int sum = Turned(members[i], multiple);
                if (!reached[sum]) {
                    reached[sum] = 1;
                    members.push_back(sum);
                }
            }
        }
    }
    return members.size() == kStates;
}

// A rule that turns a uniform number u in [0, 1) into a whole number. The
// machine's rules cut [0, 1) into n equal parts, one for each value from
// rule(0) on, so each value has the chance 1/n; that is checked just inside
// both ends of every part (the rounding of u's last bits moves an end by less
// than a millionth of a part).
struct EvenLaw {
    int first = 0;
    int count = 1;
};

EvenLaw EvenLawOf(int (*rule)(double)) {
    const EvenLaw law{rule(0.0), rule(std::nextafter(1.0, 0.0)) - rule(0.0) + 1};
    if (law.count < 1) throw std::logic_error("a random rule gives fewer values for larger numbers");
    for (int i = 0; i < law.count; ++i) {
        const double low = (i + 1e-6) / law.count;
        const double high = (i + 1 - 1e-6) / law.count;
        if (rule(low) != law.first + i || rule(high) != law.first + i)
            throw std::logic_error("a random rule does not give its values equal chances");
    }
    return law;
}

// How often each result came, out of total, each case counted with its weight.
struct Tally {
    std::array<std::int64_t, kPrizes> prize{};
    std::int64_t noWin = 0;
    std::int64_t wheel = 0;
    std::int64_t coins = 0;
    std::int64_t total = 0;
};

class OddsEngine {
public:
    explicit OddsEngine(const MachineTables& m)
        : m_(m), steps_(EvenLawOf(StepCountFor)), pays_(2 * kSymbolIds * kSymbolIds * kSymbolIds) {
        const EvenLaw stops = EvenLawOf(WheelStopFor);
        Rational sum;
        for (int k = stops.first; k < stops.first + stops.count; ++k) sum = sum + MakeRational(WheelCoins(k));
        wheelMean_ = sum / MakeRational(stops.count);
    }

    GameOdds NextGame(const Positions& from, const Positions& held, bool mania) {
        Tally tally;
        ForEachSpin(held, [&](const std::array<int, 3>& steps) {
            Count(tally, StopPositions(from, steps, held), 1, mania);
        });
        return Figures(tally);
    }

    GameOdds LongRun(bool mania) {
        const std::vector<std::int64_t>& weights = Stationary();
        Tally tally;
        for (int i = 0; i < kStates; ++i) Count(tally, At(i), weights[i], mania);
        return Figures(tally);
    }

    // A spin adds to the three positions a turn that does not depend on where
    // the reels stand, so the positions walk on the 20 x 20 x 20 grid with the
    // same chances from everywhere: each position is entered with the chances
    // it is left with, and the even law over all 8000 positions stays as it is
    // from game to game. It is the only stationary law, and play tends to it
    // from any start, when the turns reach every position (the chain is
    // irreducible) and so do the differences between turns (aperiodic).
    const std::vector<std::int64_t>& Stationary() {
        if (!stationary_.empty()) return stationary_;
        const Positions none{};
        std::vector<int> turns;
        ForEachSpin(none, [&](const std::array<int, 3>& steps) {
            const int turn = Index(StopPositions(none, steps, none));
            const int from = static_cast<int>(turns.size() * 7919 % kStates);  // spread over the grid
            if (Index(StopPositions(At(from), steps, none)) != Turned(from, turn))
                throw std::logic_error("the spin turns the reels differently from different positions");
            turns.push_back(turn);
        });
        std::array<int, 3> shortest{};
        shortest.fill(steps_.first);
        for (int i = 0; i < kStates; ++i) {
            if (Index(StopPositions(At(i), shortest, none)) != Turned(i, turns.front()))
                throw std::logic_error("the spin turns the reels differently from different positions");
        }
        std::vector<int> differences;
        for (const int turn : turns) differences.push_back(Turned(turn, turns.front(), -1));
        if (!ReachesEverywhere(turns) || !ReachesEverywhere(differences))
            throw std::logic_error("the reel positions have no single stationary law");
        stationary_.assign(kStates, 1);
        return stationary_;
    }

private:
    // Calls f with every combination of step counts of the reels that are not held.
    template <class F>
    void ForEachSpin(const Positions& held, F f) const {
        std::array<int, 3> steps{};
        for (int r = 0; r < 3; ++r) steps[r] = held[r] == 0 ? steps_.first : 0;
        for (;;) {
            f(steps);
            int r = 0;
            for (; r < 3; ++r) {
                if (held[r] != 0) continue;
                if (++steps[r] < steps_.first + steps_.count) break;
                steps[r] = steps_.first;
            }
            if (r == 3) return;
        }
    }

    // What the pay line wins with the reels at these positions (the pay line
    // shows the symbol two positions before each reel's position).
    LinePay PayAt(const Positions& p, bool mania) {
        Positions symbols{};
        for (int r = 0; r < 3; ++r) symbols[r] = m_.Strip[(p[r] + kPositions - 2) % kPositions][r];
        for (const Integer s : symbols) {
            if (s < 0 || s >= kSymbolIds) return PayForLine(m_, LineText(symbols), mania);
        }
        const std::size_t key =
            ((mania * kSymbolIds + symbols[0]) * kSymbolIds + symbols[1]) * kSymbolIds + symbols[2];
        std::optional<LinePay>& pay = pays_[key];
        if (!pay) pay = PayForLine(m_, LineText(symbols), mania);
        return *pay;
    }

    void Count(Tally& tally, const Positions& p, std::int64_t weight, bool mania) {
        const LinePay pay = PayAt(p, mania);
        if (pay.category >= 0 && pay.category < kPrizes)
            tally.prize[pay.category] = Add(tally.prize[pay.category], weight);
        if (pay.wheel) tally.wheel = Add(tally.wheel, weight);
        if (pay.category < 0 && !pay.wheel) tally.noWin = Add(tally.noWin, weight);
        tally.coins = Add(tally.coins, Mul(pay.payout, weight));
        tally.total = Add(tally.total, weight);
    }

    GameOdds Figures(const Tally& tally) const {
        GameOdds odds;
        for (int k = 0; k < kPrizes; ++k) odds.prize[k] = MakeRational(tally.prize[k], tally.total);
        odds.noWin = MakeRational(tally.noWin, tally.total);
        odds.wheel = MakeRational(tally.wheel, tally.total);
        odds.payout = MakeRational(tally.coins, tally.total) + odds.wheel * wheelMean_;
        return odds;
    }

    const MachineTables& m_;
    EvenLaw steps_;
    Rational wheelMean_;
    std::vector<std::optional<LinePay>> pays_;
    std::vector<std::int64_t> stationary_;
};

}  // namespace

Rational MakeRational(std::int64_t num, std::int64_t den) {
    if (den == 0) throw std::domain_error("a fraction with the denominator 0");
    constexpr std::int64_t kLeast = std::numeric_limits<std::int64_t>::min();
    if (num == kLeast || den == kLeast) throw std::overflow_error("a fraction of the odds does not fit");
    if (den < 0) {
        num = -num;
        den = -den;
    }
    const std::int64_t divisor = std::gcd(num, den);
    return {num / divisor, den / divisor};
}

Rational operator+(const Rational& a, const Rational& b) {
    const std::int64_t g = std::gcd(a.den, b.den);
    return MakeRational(Add(Mul(a.num, b.den / g), Mul(b.num, a.den / g)), Mul(a.den / g, b.den));
}

Rational operator-(const Rational& a, const Rational& b) {
    return a + Rational{Mul(b.num, -1), b.den};
}

Rational operator*(const Rational& a, const Rational& b) {
    const std::int64_t g1 = std::gcd(a.num, b.den);
    const std::int64_t g2 = std::gcd(b.num, a.den);
    return MakeRational(Mul(a.num / g1, b.num / g2), Mul(a.den / g2, b.den / g1));
}

Rational operator/(const Rational& a, const Rational& b) {
    return a * MakeRational(b.den, b.num);
}

bool operator<(const Rational& a, const Rational& b) {
    return static_cast<__int128>(a.num) * b.den < static_cast<__int128>(b.num) * a.den;
}

GameOdds NextGameOdds(const MachineTables& tables, const std::array<Integer, 3>& from,
                      const std::array<Integer, 3>& held, bool mania) {
    return OddsEngine(tables).NextGame(from, held, mania);
}

GameOdds LongRunOdds(const MachineTables& tables, bool mania) {
    return OddsEngine(tables).LongRun(mania);
}

std::vector<std::int64_t> StationaryWeights(const MachineTables& tables) {
    return OddsEngine(tables).Stationary();
}

std::vector<std::array<Integer, 3>> HoldChoices(const ReelState& reels) {
    if (reels.HoldAllowed != True) return {};
    std::vector<std::array<Integer, 3>> choices{{0, 0, 0}};
    // One reel, then two; never a reel that a locking win keeps from being held.
    for (const int which : {1, 2, 4, 3, 5, 6}) {
        std::array<Integer, 3> held{};
        bool allowed = true;
        for (int r = 0; r < 3; ++r) {
            held[r] = static_cast<Integer>((which >> r) & 1);
            if (held[r] != 0 && reels.WinLock[r] == 1) allowed = false;
        }
        if (allowed) choices.push_back(held);
    }
    return choices;
}

namespace {

OddsReport TableFigures(const MachineTables& m, OddsEngine& engine) {
    OddsReport report;
    for (const PayRow& row : m.PayTable) {
        if (row.Cell < 0 || row.Cell >= kPrizes) continue;
        report.coins[row.Cell] = row.Payout;
        std::string& lines = report.lines[row.Cell];
        lines += (lines.empty() ? "" : " ") + row.Combo;
    }
    // The symbol-2 rule's two prizes are not in the table.
    for (const auto& [line, lines] : {std::pair{"2-0-0", "2-*-*"}, std::pair{"2-2-0", "2-2-*"}}) {
        const LinePay pay = PayForLine(m, line, false);
        if (pay.category < 0 || pay.category >= kPrizes) continue;
        report.coins[pay.category] = pay.payout;
        report.lines[pay.category] = lines;
    }
    report.longRun = engine.LongRun(false);
    report.longRunMania = engine.LongRun(true);
    // From one visit of a set of positions to the next the chain takes, on
    // average, one over the set's stationary chance.
    int top = 0;
    for (int k = 0; k < kPrizes; ++k) {
        if (report.coins[k] > report.coins[top]) top = k;
    }
    const Rational topChance = report.longRun.prize[top];
    report.gamesBetweenTop = topChance.num == 0 ? Rational{} : MakeRational(1) / topChance;
    return report;
}

}  // namespace

OddsReport TableOdds(const MachineTables& tables) {
    OddsEngine engine(tables);
    return TableFigures(tables, engine);
}

OddsReport WorkOutOdds(const Machine& m) {
    OddsEngine engine(m);
    OddsReport report = TableFigures(m, engine);
    if (m.display.hdcTheme.width() >= themecells::kMinWidth &&
        m.display.hdcTheme.height() >= themecells::kMinHeight) {
        for (int k = 0; k < kPrizes; ++k) {
            const Cell cell = themecells::PayCell(k);
            report.pictures[k] = Surface(cell.w, cell.h);
            BitBlt(report.pictures[k], 0, 0, cell.w, cell.h, m.display.hdcTheme, cell.x, cell.y);
        }
    }
    for (int s = 0; s < themecells::kSymbols; ++s) report.symbols.push_back(SymbolName(m, s));

    report.mania = m.mania.ManiaActive == True;
    report.nextGame = engine.NextGame(m.reels.ReelPos, {0, 0, 0}, report.mania);
    for (const std::array<Integer, 3>& held : HoldChoices(m.reels)) {
        const GameOdds odds = held == std::array<Integer, 3>{}
                                  ? report.nextGame
                                  : engine.NextGame(m.reels.ReelPos, held, report.mania);
        HoldOdds choice;
        for (int r = 0; r < 3; ++r) choice.held[r] = held[r] != 0;
        choice.payout = odds.payout;
        choice.win = MakeRational(1) - odds.noWin;
        choice.chosen = held == m.reels.Held;
        report.holds.push_back(choice);
    }
    HoldOdds* best = nullptr;
    for (HoldOdds& choice : report.holds) {
        if (!best || best->payout < choice.payout) best = &choice;
    }
    if (best) best->best = true;
    return report;
}

}  // namespace fw
