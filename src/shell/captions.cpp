#include "shell/captions.h"

#include <charconv>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "platform/words.h"
#include "play/mania.h"
#include "play/odds.h"
#include "play/pay_line.h"
#include "presentation/bitmap_text.h"
#include "presentation/lamps.h"
#include "presentation/themes.h"

namespace fw {

namespace {

// The coins the out-of-coins panel's continue button gives.
constexpr int kFreshPile = 20;

// A sentence that starts with a symbol's name starts with a capital, in every
// language the catalogues speak: a to z, and the small letters of Latin-1 and
// Latin Extended-A ("étoile", "ägg", "łódź").
std::string Capital(std::string sentence) {
    if (sentence.empty()) return sentence;
    const auto c0 = static_cast<unsigned char>(sentence[0]);
    if (c0 >= 'a' && c0 <= 'z') {
        sentence[0] = static_cast<char>(c0 - 'a' + 'A');
        return sentence;
    }
    if (sentence.size() < 2 || (c0 & 0xE0) != 0xC0) return sentence;
    const unsigned code = ((c0 & 0x1Fu) << 6) | (static_cast<unsigned char>(sentence[1]) & 0x3Fu);
    unsigned upper = code;
    if (code >= 0xE0 && code <= 0xFE && code != 0xF7) {
        upper = code - 0x20;
    } else if ((code >= 0x100 && code <= 0x137) || (code >= 0x14A && code <= 0x177)) {
        upper = code & ~1u;  // pairs: the capital even, the small letter odd
    } else if ((code >= 0x139 && code <= 0x148) || (code >= 0x179 && code <= 0x17E)) {
        upper = code % 2 == 0 ? code - 1 : code;  // pairs: the capital odd, the small letter even
    }
    sentence[0] = static_cast<char>(0xC0 | (upper >> 6));
    sentence[1] = static_cast<char>(0x80 | (upper & 0x3F));
    return sentence;
}

// A reel symbol as the current theme names it, in the player's language: a
// player's own theme says "symbol 7".
std::string SaidSymbol(const Machine& m, int symbol) {
    const std::string name = SymbolName(m, symbol);
    if (name == SymbolName(std::string(), symbol)) return Fill(Tr("symbol", "symbol %1"), {Number(symbol)});
    return Tr("symbol", name.c_str());
}

// The pay line's three symbols, named, left to right.
std::vector<std::string> SaidLine(const Machine& m) {
    std::vector<std::string> named;
    const std::string& line = m.reels.LineText[1];
    for (std::size_t at = 0; at <= line.size() && named.size() < 3;) {
        std::size_t end = line.find('-', at);
        if (end == std::string::npos) end = line.size();
        int symbol = -1;
        std::from_chars(line.data() + at, line.data() + end, symbol);
        named.push_back(SaidSymbol(m, symbol));
        at = end + 1;
    }
    named.resize(3);
    return named;
}

// Minutes and seconds: "2:05".
std::string MinutesAndSeconds(long ms) {
    const long seconds = ms < 0 ? 0 : ms / 1000;
    char text[48];
    std::snprintf(text, sizeof text, "%ld:%02ld", seconds / 60, seconds % 60);
    return text;
}

// The Mania period's time left, from its clock's last tick.
long ManiaLeftMs(Machine& m) {
    const long passed = static_cast<long>(m.clock.Ticks() - m.mania.TickedAt);
    return static_cast<long>(kManiaTicks - m.mania.ManiaTicks) * kManiaTickMs - passed;
}

// What a game won, on the line it won with.
std::string GameSentences(const Machine& m, int wheelCoins) {
    const LinePay pay = PayForLine(m, m.reels.LineText[1], false);
    const std::vector<std::string> line = SaidLine(m);
    std::string said;
    if (pay.category == 0) {
        said = Fill(
            TrN("caption", "%1 on the left reel: %2 coin.", "%1 on the left reel: %2 coins.", pay.payout),
            {line[0], Number(pay.payout)});
    } else if (pay.category == 1) {
        said = Fill(TrN("caption", "%1 on the left and middle reels: %2 coin.",
                        "%1 on the left and middle reels: %2 coins.", pay.payout),
                    {line[0], Number(pay.payout)});
    } else if (pay.category >= 0) {
        said = Fill(TrN("caption", "%1, %2, %3: %4 coin.", "%1, %2, %3: %4 coins.", pay.payout),
                    {line[0], line[1], line[2], Number(pay.payout)});
    }
    if (wheelCoins > 0 && said.empty()) {
        return Capital(Fill(TrN("caption", "%1, %2, %3: the bonus wheel pays %4 coin.",
                                "%1, %2, %3: the bonus wheel pays %4 coins.", wheelCoins),
                            {line[0], line[1], line[2], Number(wheelCoins)}));
    }
    if (wheelCoins > 0) {
        return Capital(said) + " " +
               Fill(TrN("caption", "The bonus wheel adds %1 coin.", "The bonus wheel adds %1 coins.",
                        wheelCoins),
                    {Number(wheelCoins)});
    }
    if (said.empty()) return Fill(Tr("caption", "No win: %1, %2, %3."), {line[0], line[1], line[2]});
    return Capital(said);
}

std::string HeldSentence(int reel) {
    switch (reel) {
        case 0:
            return Tr("caption", "Left reel held.");
        case 1:
            return Tr("caption", "Middle reel held.");
        default:
            return Tr("caption", "Right reel held.");
    }
}

std::string ReleasedSentence(int reel) {
    switch (reel) {
        case 0:
            return Tr("caption", "Left reel let go.");
        case 1:
            return Tr("caption", "Middle reel let go.");
        default:
            return Tr("caption", "Right reel let go.");
    }
}

std::string RefusalSentence(Refusal why) {
    switch (why) {
        case Refusal::NoCredit:
            return Tr("caption", "No credit: insert a coin.");
        case Refusal::NoHolds:
            return Tr("caption", "This game offers no hold: pull the lever.");
        case Refusal::WinKeepsReel:
            return Tr("caption", "The win keeps this reel: it cannot be held.");
        case Refusal::TwoHeld:
            return Tr("caption", "Two reels are held already.");
        case Refusal::PlayCredits:
            return Tr("caption", "Your pile is empty: play your credits first.");
        case Refusal::CreditsFull:
            return Fill(TrN("caption", "The machine holds %1 credit, its most: pull the lever.",
                            "The machine holds %1 credits, its most: pull the lever.", kMaxCredits),
                        {Number(kMaxCredits)});
    }
    return {};
}

// The reels a hold button may hold now (a machine without credits shows none lit).
std::vector<int> Holdable(const Machine& m) {
    std::vector<int> reels;
    if (m.reels.HoldAllowed != True) return reels;
    for (int r = 0; r < 3; ++r) {
        if (m.reels.Held[r] == 0 && m.reels.HoldLamp[r] == kHoldPossible) reels.push_back(r);
    }
    return reels;
}

// What the player can do now at the reels.
std::string WhatNow(const Machine& m) {
    if (m.purse.Credits < 1) {
        if (m.records.ScoreTable[0].Score <= 0)
            return Tr("caption", "Your pile is empty: press it for more coins.");
        return Tr("caption", "Insert a coin to play.");
    }
    const std::vector<int> holdable = Holdable(m);
    if (m.reels.HoldCount > 0) {
        if (!holdable.empty()) return Tr("caption", "Hold another reel, or pull the lever.");
        return Tr("caption", "Pull the lever to spin the reels not held.");
    }
    if (holdable.size() >= 2) return Tr("caption", "Hold up to two reels, or pull the lever.");
    if (holdable.size() == 1) {
        switch (holdable[0]) {
            case 0:
                return Tr("caption", "You may hold the left reel, or pull the lever.");
            case 1:
                return Tr("caption", "You may hold the middle reel, or pull the lever.");
            default:
                return Tr("caption", "You may hold the right reel, or pull the lever.");
        }
    }
    return Tr("caption", "Pull the lever to play.");
}

// The hold that pays most on average in the next game, as the odds window marks it.
std::string HintSentence(const Machine& m) {
    if (m.reels.HoldCount > 0 || Holdable(m).empty()) return {};
    OddsReport odds;
    try {
        odds = WorkOutOdds(m);
    } catch (const std::exception&) {
        return {};  // tables that defeat the exact figures give no hint
    }
    for (const HoldOdds& hold : odds.holds) {
        if (!hold.best) continue;
        char printed[32];
        std::snprintf(printed, sizeof printed, "%.1f", hold.payout.value());
        const std::string average = WithDecimalMark(printed);
        const int which = (hold.held[0] ? 1 : 0) | (hold.held[1] ? 2 : 0) | (hold.held[2] ? 4 : 0);
        switch (which) {
            case 0:
                return Fill(Tr("caption", "Best: hold no reel, %1 coins on average."), {average});
            case 1:
                return Fill(Tr("caption", "Best: hold the left reel, %1 coins on average."), {average});
            case 2:
                return Fill(Tr("caption", "Best: hold the middle reel, %1 coins on average."), {average});
            case 4:
                return Fill(Tr("caption", "Best: hold the right reel, %1 coins on average."), {average});
            case 3:
                return Fill(Tr("caption", "Best: hold the left and middle reels, %1 coins on average."),
                            {average});
            case 5:
                return Fill(Tr("caption", "Best: hold the left and right reels, %1 coins on average."),
                            {average});
            case 6:
                return Fill(Tr("caption", "Best: hold the middle and right reels, %1 coins on average."),
                            {average});
            default:
                return {};
        }
    }
    return {};
}

std::string HighScoresSentence(const Machine& m) {
    const Integer score = m.records.ScoreTable[0].Score;
    const Integer place = m.records.HighScorePlace;
    std::string said = place >= 1 && place <= kListLines
                           ? Fill(TrN("caption", "High scores: with your %1 coin you would be number %2.",
                                      "High scores: with your %1 coins you would be number %2.", score),
                                  {Number(score), Number(place)})
                           : Fill(TrN("caption", "High scores: your %1 coin is not enough for the list yet.",
                                      "High scores: your %1 coins are not enough for the list yet.", score),
                                  {Number(score)});
    return said + " " + Tr("caption", "Press a line for its statistics.");
}

// How often a row has won each prize, in the order the pay table and the odds
// number them: all of them, short enough for the caption line at the actual size.
std::string PrizesWonSentence(const ScoreRecord& row) {
    std::string counts;
    bool any = false;
    for (int k = 0; k < static_cast<int>(row.Stat.size()); ++k) {
        counts += (k == 0 ? "" : ", ") + Number(row.Stat[k]);
        any = any || row.Stat[k] > 0;
    }
    if (!any) return Tr("caption", "No prize won yet.");
    // Translators: %1 the number of the last prize (12), %2 how often each was won, in order ("3, 0, 1,
    // ...").
    return Fill(Tr("caption", "Prizes 1 to %1 won: %2."),
                {Number(static_cast<long>(row.Stat.size())), counts});
}

std::string StatisticsSentence(Machine& m) {
    const ScoreRecord& row = m.records.ScoreTable[m.records.StatPage];
    const bool current = m.records.StatPage == 0;
    const std::string time = FormatPlayTime(current ? PlayTime(m) : row.ETime);
    std::string said = current
                           ? Fill(TrN("caption", "Your statistics: %1 game played, %2 won, play time %3.",
                                      "Your statistics: %1 games played, %2 won, play time %3.", row.Played),
                                  {Number(row.Played), Number(row.Wun), time})
                           : Fill(TrN("caption", "Statistics of %1: %2 game played, %3 won, play time %4.",
                                      "Statistics of %1: %2 games played, %3 won, play time %4.", row.Played),
                                  {row.Name, Number(row.Played), Number(row.Wun), time});
    return said + " " + PrizesWonSentence(row) + " " +
           Tr("caption", "Press the page to go back to the reels.");
}

}  // namespace

void TellCaption(Machine& m) {
    if (m.telling.notes.empty()) return;
    const std::vector<Note> notes = std::move(m.telling.notes);
    m.telling.notes.clear();

    std::vector<std::string> sentences;
    bool urgent = false;
    bool whatNow = false;  // the caption ends with what the player can do now at the reels
    bool game = false;
    bool maniaStarted = false;
    for (const Note& note : notes) {
        switch (note.what) {
            case Happening::Started:
            case Happening::Reels:
                whatNow = true;
                break;
            case Happening::CoinsIn:
                sentences.push_back(Fill(TrN("caption", "%1 credit.", "%1 credits.", m.purse.Credits),
                                         {Number(m.purse.Credits)}));
                whatNow = true;
                break;
            case Happening::Game:
                sentences.push_back(GameSentences(m, note.number));
                game = whatNow = true;
                break;
            case Happening::ManiaStarted: {
                const std::string length = MinutesAndSeconds(static_cast<long>(kManiaTicks) * kManiaTickMs);
                sentences.push_back(
                    note.number ? Fill(Tr("caption", "Mania starts again: %1 of bonus play."), {length})
                                : Fill(Tr("caption", "Mania starts: %1 of bonus play."), {length}));
                urgent = maniaStarted = true;
                break;
            }
            case Happening::ManiaEnded:
                sentences.push_back(Tr("caption", "Mania is over."));
                whatNow = true;
                break;
            case Happening::Held:
                sentences.push_back(HeldSentence(note.number));
                whatNow = true;
                break;
            case Happening::Released:
                sentences.push_back(ReleasedSentence(note.number));
                whatNow = true;
                break;
            case Happening::OutOfCoins:
                sentences.push_back(
                    Fill(TrN("caption", "Out of coins: quit, or take a fresh pile of %1 coin.",
                             "Out of coins: quit, or take a fresh pile of %1 coins.", kFreshPile),
                         {Number(kFreshPile)}));
                urgent = true;
                break;
            case Happening::Offer: {
                const Integer score = m.records.ScoreTable[0].Score;
                sentences.push_back(Fill(TrN("caption", "%1 coin! Quit with it, or play on.",
                                             "%1 coins! Quit with them, or play on.", score),
                                         {Number(score)}));
                urgent = true;
                break;
            }
            case Happening::FreshCoins:
                sentences.push_back(
                    Fill(TrN("caption", "A fresh pile of %1 coin.", "A fresh pile of %1 coins.", kFreshPile),
                         {Number(kFreshPile)}));
                whatNow = true;
                break;
            case Happening::PlayOn:
                sentences.push_back(Tr("caption", "Playing on."));
                whatNow = true;
                break;
            case Happening::HighScores:
                sentences.push_back(HighScoresSentence(m));
                break;
            case Happening::Statistics:
                sentences.push_back(StatisticsSentence(m));
                break;
            case Happening::Refused:
                sentences.push_back(RefusalSentence(static_cast<Refusal>(note.number)));
                break;
        }
    }
    if (game && !maniaStarted && m.mania.ManiaActive == True)
        sentences.push_back(Fill(Tr("caption", "Mania: %1 left."), {MinutesAndSeconds(ManiaLeftMs(m))}));
    if (whatNow && m.display.ScreenMode == Screen::Reels) sentences.push_back(WhatNow(m));
    if (game && m.telling.Hints && m.display.ScreenMode == Screen::Reels) {
        const std::string hint = HintSentence(m);
        if (!hint.empty()) sentences.push_back(hint);
    }

    std::string caption;
    for (const std::string& sentence : sentences) {
        if (sentence.empty()) continue;
        caption += (caption.empty() ? "" : " ") + sentence;
    }
    if (!caption.empty()) m.host.Caption(caption, urgent);
}

void ShowHints(Machine& m, bool on) {
    m.telling.Hints = on;
}

}  // namespace fw
