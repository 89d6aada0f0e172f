#include "play/pay_line.h"

namespace fw {

std::string LineText(const std::array<Integer, 3>& symbols) {
    return std::to_string(symbols[0]) + "-" + std::to_string(symbols[1]) + "-" + std::to_string(symbols[2]);
}

LinePay PayForLine(const MachineTables& tables, const std::string& line, bool mania) {
    LinePay pay;
    if (line.compare(0, 3, "2-2") == 0) {
        pay = {1, 5, false, {1, 1, 0}};
    } else if (!line.empty() && line[0] == '2') {
        pay = {0, 2, false, {1, 0, 0}};
    } else {
        for (const PayRow& row : tables.PayTable) {
            if (row.Combo != line) continue;
            pay.category = row.Cell;
            pay.payout = row.Payout;
            break;
        }
    }
    if (!mania || pay.payout == kTopPrize) return pay;
    // The line's three symbol ids, in reel order.
    std::size_t start = 0;
    for (int reel = 0; reel < 3 && start <= line.size(); ++reel) {
        std::size_t end = line.find('-', start);
        if (end == std::string::npos) end = line.size();
        const std::string symbol = line.substr(start, end - start);
        start = end + 1;
        for (const std::string& special : tables.SpecialSymbols) {
            if (symbol != special) continue;
            pay.wheel = true;
            pay.winLock[reel] = 1;
        }
    }
    return pay;
}

}  // namespace fw
