#include "edition/describe.h"

#include <chrono>
#include <vector>

#include "edition/page_contract.h"
#include "platform/words.h"
#include "play/mania.h"
#include "play/reels.h"
#include "presentation/themes.h"
#include "shell/controls.h"

namespace fw {

namespace {

bool Ready(const Machine& m, Control control) {
    return StateOfControl(m, control).look == ControlLook::Ready;
}

// A hold that takes a press now: to hold its reel, or to let it go.
bool Answers(const Machine& m, Control hold) {
    const ControlLook look = StateOfControl(m, hold).look;
    return look == ControlLook::Ready || look == ControlLook::On;
}

// What the display window shows.
void DescribeWindow(const Machine& m, std::vector<std::string>& said) {
    switch (m.display.ScreenMode) {
        case Screen::Reels:
            for (int r = 0; r < 3; ++r) {
                const std::string reel = Number(r + 1);
                const std::string symbol = SymbolName(m, VisibleSymbol(m, r, 1));
                const Control hold = static_cast<Control>(static_cast<int>(Control::Hold1) + r);
                if (m.reels.Held[r] != 0) {
                    said.push_back(Fill(Tr("Description", "Reel %1 shows %2 and is held."), {reel, symbol}));
                } else if (Ready(m, hold)) {
                    said.push_back(
                        Fill(Tr("Description", "Reel %1 shows %2 and can be held."), {reel, symbol}));
                } else {
                    said.push_back(Fill(Tr("Description", "Reel %1 shows %2."), {reel, symbol}));
                }
            }
            break;
        case Screen::HighScores:
            said.push_back(Tr("Description", "The high-score list shows."));
            if (m.records.HighScorePlace >= 1 && m.records.HighScorePlace <= kListLines) {
                said.push_back(Fill(Tr("Description", "Your run stands on line %1."),
                                    {Number(m.records.HighScorePlace)}));
            } else {
                said.push_back(Tr("Description", "Your run is not on the list."));
            }
            break;
        case Screen::Statistics:
            if (m.records.StatPage == 0) {
                said.push_back(Tr("Description", "This run's statistics show."));
            } else {
                said.push_back(
                    Fill(Tr("Description", "The statistics of line %1 of the high-score list show."),
                         {Number(m.records.StatPage)}));
            }
            break;
        case Screen::OutOfCoins:
            said.push_back(
                Tr("Description", "Out of coins: the panel offers a fresh purse or the end of the game."));
            break;
        case Screen::Offer:
            said.push_back(
                Tr("Description", "You have 1000 coins: the panel offers to end the game with them."));
            break;
    }
}

// The keys that do something now.
void DescribeKeys(const Machine& m, std::vector<std::string>& said) {
    switch (m.display.ScreenMode) {
        case Screen::Reels:
            if (Ready(m, Control::Lever)) said.push_back(Tr("Description", "Space: pull the lever."));
            if (Answers(m, Control::Hold1) || Answers(m, Control::Hold2) || Answers(m, Control::Hold3)) {
                said.push_back(Tr("Description", "1, 2, 3: hold or release a reel."));
            }
            if (Ready(m, Control::Coin)) {
                if (m.records.ScoreTable[0].Score <= 0) {
                    said.push_back(Tr("Description", "C: the out-of-coins panel."));
                } else {
                    said.push_back(Tr("Description", "C: insert a coin. Shift+C: insert a stack of five."));
                }
            }
            if (Ready(m, Control::HighScores)) {
                said.push_back(Tr("Description", "H: the high-score list. S: this run's statistics."));
            }
            break;
        case Screen::HighScores:
            if (StateOfControl(m, Control::HighScores).key) {
                said.push_back(Tr("Description",
                                  "1 to 9, 0: the statistics of line 1 to 10. Escape: back to the reels."));
            }
            break;
        case Screen::Statistics:
            if (StateOfControl(m, Control::Statistics).key)
                said.push_back(Tr("Description", "Escape: back to the reels."));
            break;
        case Screen::OutOfCoins:
            if (Ready(m, Control::Lever)) {
                said.push_back(
                    Tr("Description", "Space: play on with a fresh purse of 20 coins. Q: quit the game."));
            }
            break;
        case Screen::Offer:
            if (Ready(m, Control::Lever)) {
                said.push_back(Tr("Description", "Space: play on with your coins. Q: quit the game."));
            }
            break;
    }
}

}  // namespace

std::string DescribeMachine(const Machine& m) {
    std::vector<std::string> said;
    const long purse = m.records.ScoreTable[0].Score;
    said.push_back(Fill(TrN("Description", "Purse: %1 coin.", "Purse: %1 coins.", purse), {Number(purse)}));
    const long credits = m.purse.Credits;
    said.push_back(Fill(TrN("Description", "Credits: %1.", "Credits: %1.", credits), {Number(credits)}));
    DescribeWindow(m, said);
    if (m.mania.ManiaActive == True) {
        const auto tick =
            std::chrono::duration_cast<std::chrono::seconds>(TimerInterval(TimerId::MultiCheck));
        const long left =
            static_cast<long>(kManiaTicks - m.mania.ManiaTicks) * static_cast<long>(tick.count());
        said.push_back(Fill(TrN("Description", "Mania: %1 second left.", "Mania: %1 seconds left.", left),
                            {Number(left)}));
    }
    DescribeKeys(m, said);
    std::string text;
    for (const std::string& sentence : said) {
        if (!text.empty()) text += ' ';
        text += sentence;
    }
    return text;
}

}  // namespace fw
