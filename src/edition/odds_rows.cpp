#include "edition/odds_rows.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstdlib>

#include "machine/cells.h"
#include "platform/words.h"
#include "play/odds.h"
#include "presentation/themes.h"
#include "records/data_tables.h"
#include "shell/odds.h"

namespace fw {

namespace {

// A chance as "1 in 8.89 (11.2 %)", its fraction and its bar.
OddsCell Chance(const Rational& chance) {
    return {OneIn(chance) + " (" + Percent(chance) + ")", FractionText(chance), chance.value()};
}

// What a credit returns: "297/200 coins (148.5 %)".
OddsCell Return(const Rational& payout) {
    return {Fill(Tr("odds", "%1 coins (%2)"), {FractionText(payout), Percent(payout)})};
}

OddsRow Figure(const std::string& name, OddsCell value) {
    return {{{name}, std::move(value)}};
}

// The choice of a hold as the rows name it: "Hold left and right reels (held now)  ★ best".
std::string HoldName(const HoldOdds& hold) {
    // By the reels held: left 1, middle 2, right 4.
    static const char* const kNames[8] = {
        TrLater("odds", "No hold"),
        TrLater("odds", "Hold left reel"),
        TrLater("odds", "Hold middle reel"),
        TrLater("odds", "Hold left and middle reels"),
        TrLater("odds", "Hold right reel"),
        TrLater("odds", "Hold left and right reels"),
        TrLater("odds", "Hold middle and right reels"),
        TrLater("odds", "Hold left and middle and right reels"),
    };
    int held = 0;
    for (int r = 0; r < 3; ++r)
        if (hold.held[r]) held |= 1 << r;
    std::string name = Tr("odds", kNames[held]);
    if (hold.chosen) name = Fill(Tr("odds", "%1 (held now)"), {name});
    if (hold.best) name = Fill(Tr("odds", "%1  \u2605 best"), {name});
    return name;
}

// The words of a text between the separator sep.
std::vector<std::string> Split(const std::string& text, char sep) {
    std::vector<std::string> words;
    std::size_t at = 0;
    for (std::size_t end; (end = text.find(sep, at)) != std::string::npos; at = end + 1)
        words.push_back(text.substr(at, end - at));
    words.push_back(text.substr(at));
    return words;
}

// Pay lines "3-0-3 2-*-*" by the theme's names: "lemon, star, lemon; cherries, any, any".
std::string NamedLines(const std::string& lines, const std::vector<std::string>& symbols) {
    std::string named;
    for (const std::string& line : Split(lines, ' ')) {
        if (line.empty()) continue;
        named += named.empty() ? "" : "; ";
        const std::vector<std::string> reels = Split(line, '-');
        for (std::size_t r = 0; r < reels.size(); ++r) {
            const std::size_t id = static_cast<std::size_t>(std::atoi(reels[r].c_str()));
            named += r == 0 ? "" : ", ";
            named += reels[r] == "*"       ? Tr("odds", "any")
                     : id < symbols.size() ? symbols[id]
                                           : Fill(Tr("symbol", "symbol %1"), {reels[r]});
        }
    }
    return named;
}

OddsSection Prizes(const OddsReport& odds, bool nextGame) {
    OddsSection section{"Prizes",
                        Tr("odds", "Prizes"),
                        {Tr("odds", "Prize"), Tr("odds", "Coins"), Tr("odds", "Long run")},
                        {},
                        ""};
    if (nextGame) section.header.push_back(Tr("odds", "Next game"));
    for (int k = 0; k < kPrizes; ++k) {
        OddsRow row{{{Fill(Tr("odds", "Prize %1"), {std::to_string(k + 1)})},
                     {std::to_string(odds.coins[k])},
                     Chance(odds.longRun.prize[k])},
                    k};
        if (nextGame) row.cells.push_back(Chance(odds.nextGame.prize[k]));
        section.rows.push_back(std::move(row));
    }
    if (nextGame && odds.mania) {
        section.rows.push_back({{{Tr("odds", "Bonus wheel")},
                                 {Tr("odds", "20 to 50")},
                                 Chance(odds.longRunMania.wheel),
                                 Chance(odds.nextGame.wheel)}});
    }
    OddsRow noWin{{{Tr("odds", "No win")}, {}, Chance(odds.longRun.noWin)}};
    if (nextGame) noWin.cells.push_back(Chance(odds.nextGame.noWin));
    section.rows.push_back(std::move(noWin));
    section.note =
        nextGame && odds.mania
            ? Tr("odds", "The long run: never holding, outside the Mania period (the bonus wheel's: in it).")
            : Tr("odds", "The long run: never holding, outside the Mania period.");
    if (nextGame)
        section.note += " " + Tr("odds", "The next game: from where the reels stand, holding none.");
    return section;
}

OddsSection NextGame(const OddsReport& odds) {
    OddsSection section{"NextGame",
                        Tr("odds", "Next game"),
                        {},
                        {Figure(Tr("odds", "Return per credit"), Return(odds.nextGame.payout))},
                        ""};
    if (odds.mania)
        section.note = Tr("odds", "The Mania period runs: the special symbols and the bonus wheel count.");
    if (odds.holds.empty())
        section.note += std::string(section.note.empty() ? "" : " ") + Tr("odds", "It offers no hold.");
    return section;
}

OddsSection Holds(const OddsReport& odds) {
    OddsSection section{"Holds",
                        Tr("odds", "Hold choices"),
                        {Tr("odds", "Hold"), Tr("odds", "Return per credit"), Tr("odds", "Chance of a win")},
                        {},
                        ""};
    for (const HoldOdds& hold : odds.holds) {
        section.rows.push_back(
            {{{HoldName(hold)},
              {Percent(hold.payout), Fill(Tr("odds", "%1 coins"), {FractionText(hold.payout)})},
              {Percent(hold.win), FractionText(hold.win), hold.win.value()}},
             -1,
             hold.best});
    }
    section.note = Tr("odds", "The best choice pays the most coins on average.");
    return section;
}

OddsSection LongRun(const OddsReport& odds) {
    OddsSection section{
        "LongRun",
        Tr("odds", "The long run"),
        {},
        {},
        Tr("odds", "Never holding. In the Mania period the special symbols and the bonus wheel count.")};
    section.rows.push_back(
        Figure(Tr("odds", "Return per credit, outside the Mania period"), Return(odds.longRun.payout)));
    section.rows.push_back(
        Figure(Tr("odds", "Return per credit in the Mania period"), Return(odds.longRunMania.payout)));
    section.rows.push_back(
        Figure(Tr("odds", "Bonus wheel spins in the Mania period"), Chance(odds.longRunMania.wheel)));
    section.rows.push_back(Figure(Tr("odds", "Games between 100-coin prizes, on average"),
                                  {FractionText(odds.gamesBetweenTop)}));
    return section;
}

OddsSection PayLines(const OddsReport& odds) {
    OddsSection section{
        "PayLines",
        Tr("odds", "Pay lines"),
        {Tr("odds", "Prize"), Tr("odds", "Coins"), Tr("odds", "Reels that win it, left to right")},
        {},
        ""};
    for (int k = 0; k < kPrizes; ++k) {
        section.rows.push_back({{{Fill(Tr("odds", "Prize %1"), {std::to_string(k + 1)})},
                                 {std::to_string(odds.coins[k])},
                                 {NamedLines(odds.lines[k], odds.symbols)}},
                                k});
    }
    section.note = Tr("odds", "\"any\": any symbol on that reel.");
    return section;
}

std::string PlainCell(const OddsCell& cell) {
    return cell.exact.empty() ? cell.text : Fill(Tr("odds", "%1, exactly %2"), {cell.text, cell.exact});
}

// The number of characters a text shows as (UTF-8: continuation bytes take no place).
std::size_t Shown(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// Cells padded to their columns' widths; the last column wraps after "; " past 100 characters.
std::string PlainTable(const std::vector<std::vector<std::string>>& lines) {
    std::vector<std::size_t> widths;
    for (const auto& line : lines) {
        widths.resize(std::max(widths.size(), line.size()));
        for (std::size_t c = 0; c + 1 < line.size(); ++c) widths[c] = std::max(widths[c], Shown(line[c]));
    }
    std::string text;
    for (const auto& line : lines) {
        std::string out;
        for (std::size_t c = 0; c < line.size(); ++c) {
            if (c + 1 < line.size()) {
                out += line[c] + std::string(widths[c] - Shown(line[c]) + 2, ' ');
                continue;
            }
            const std::size_t indent = Shown(out);
            std::string rest = line[c];
            while (indent + Shown(rest) > 100) {
                const std::size_t cut = rest.rfind("; ", 100 - indent);
                if (cut == std::string::npos || cut == 0) break;
                out += rest.substr(0, cut + 1) + "\n" + std::string(indent, ' ');
                rest = rest.substr(cut + 2);
            }
            out += rest;
        }
        while (!out.empty() && out.back() == ' ') out.pop_back();
        text += out + "\n";
    }
    return text;
}

}  // namespace

std::vector<OddsSection> OddsRows(const OddsReport& odds, OddsScope scope) {
    const bool nextGame = scope == OddsScope::WhereItStands;
    std::vector<OddsSection> sections{Prizes(odds, nextGame)};
    if (nextGame) {
        sections.push_back(NextGame(odds));
        if (!odds.holds.empty()) sections.push_back(Holds(odds));
    }
    sections.push_back(LongRun(odds));
    sections.push_back(PayLines(odds));
    return sections;
}

std::string OddsPlainText(const std::vector<OddsSection>& sections) {
    std::string text;
    for (const OddsSection& section : sections) {
        text += "\n" + section.title + "\n" + std::string(Shown(section.title), '-') + "\n";
        std::vector<std::vector<std::string>> lines;
        if (!section.header.empty()) lines.push_back(section.header);
        for (const OddsRow& row : section.rows) {
            std::vector<std::string> cells;
            for (const OddsCell& cell : row.cells) cells.push_back(PlainCell(cell));
            lines.push_back(std::move(cells));
        }
        if (section.header.empty()) {
            // Figures beside their names: "Name: figure".
            for (auto& line : lines) {
                if (line.size() == 2) line = {line[0] + ": " + line[1]};
            }
        }
        text += PlainTable(lines);
        if (!section.note.empty()) text += section.note + "\n";
    }
    return text;
}

std::string LongRunOddsText() {
    OddsReport odds = TableOdds(BuiltInTables());
    for (int s = 0; s < themecells::kSymbols; ++s) odds.symbols.push_back(SymbolName("Fruit.Thm", s));
    return Fill(Tr("odds", "Fruitwhirl %1: odds and payouts in the long run"), {kAppVersion}) + "\n" +
           OddsPlainText(OddsRows(odds, OddsScope::LongRun));
}

namespace {

// A text as a JSON string.
std::string Json(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + '"';
}

}  // namespace

std::string OddsRowsJson(const std::vector<OddsSection>& sections) {
    std::string json = "[";
    for (const OddsSection& section : sections) {
        json += json.size() > 1 ? "," : "";
        json += "{\"key\":" + Json(section.key) + ",\"title\":" + Json(section.title) +
                ",\"note\":" + Json(section.note) + ",\"header\":[";
        for (std::size_t c = 0; c < section.header.size(); ++c)
            json += (c ? "," : "") + Json(section.header[c]);
        json += "],\"rows\":[";
        for (std::size_t r = 0; r < section.rows.size(); ++r) {
            const OddsRow& row = section.rows[r];
            json += std::string(r ? "," : "") + "{\"best\":" + (row.best ? "true" : "false") + ",\"cells\":[";
            for (std::size_t c = 0; c < row.cells.size(); ++c) {
                json += std::string(c ? "," : "") + "{\"text\":" + Json(row.cells[c].text) +
                        ",\"exact\":" + Json(row.cells[c].exact) + "}";
            }
            json += "]}";
        }
        json += "]}";
    }
    return json + "]";
}

}  // namespace fw
