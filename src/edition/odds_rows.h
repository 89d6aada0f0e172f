// The machine's odds as sections of rows of text: one set of rows, which the
// desktop's odds window, the page's odds dialog and `fruitwhirl --odds` each
// lay out in their own way, so that all three say the same.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/odds_report.h"

namespace fw {

struct OddsCell {
    OddsCell(std::string text = {}, std::string exact = {}, double chance = -1)
        : text(std::move(text)), exact(std::move(exact)), chance(chance) {}
    std::string text;    // "1 in 8.89 (11.2 %)", "297/200 coins (148.5 %)", "Prize 3"
    std::string exact;   // the exact fraction behind a rounded figure ("9/80"), or ""
    double chance = -1;  // the chance the cell gives (0..1), which a bar may draw to scale; -1: none
};

struct OddsRow {
    OddsRow(std::vector<OddsCell> cells = {}, int prize = -1, bool best = false)
        : cells(std::move(cells)), prize(prize), best(best) {}
    std::vector<OddsCell> cells;
    int prize = -1;     // the prize (0..11) the row is about, whose pay-table picture may show; -1: none
    bool best = false;  // the hold choice that pays most on average
};

struct OddsSection {
    std::string key;    // names the section: "Prizes", "NextGame", "Holds", "LongRun", "PayLines"
    std::string title;  // "Prizes", "Next game", ...
    std::vector<std::string> header;  // the columns' headings; none for figures beside their names
    std::vector<OddsRow> rows;
    std::string note;  // a sentence about the section, or ""
};

enum class OddsScope {
    LongRun,       // what the tables alone decide: no machine runs (`fruitwhirl --odds`)
    WhereItStands  // and the next game from where the machine stands, with its holds
};

// The figures of the report as sections of rows: the prizes with their coins
// and chances (and the bonus wheel while the Mania period runs, and no win),
// the next game's return and its hold choices, the long run's returns and the
// games between 100-coin prizes, and each prize's pay lines named by the
// theme's symbols ("lemon, star, star").
std::vector<OddsSection> OddsRows(const OddsReport& odds, OddsScope scope);

// The sections as plain text: each title, then its rows in aligned columns.
std::string OddsPlainText(const std::vector<OddsSection>& sections);

// The long run of the built-in machine as text, for `fruitwhirl --odds`: the
// symbols are named as the classic theme names them, the theme a fresh start shows.
std::string LongRunOddsText();

// The rows as the page reads them, in JSON:
// [{key, title, header: [...], note, rows: [{best, cells: [{text, exact}]}]}].
std::string OddsRowsJson(const std::vector<OddsSection>& sections);

}  // namespace fw
