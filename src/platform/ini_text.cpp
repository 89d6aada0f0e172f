#include "platform/ini_text.h"

#include <cstdint>
#include <string_view>

#include "platform/words.h"

namespace fw {

long NextUtf8(std::string_view s, std::size_t& i) {
    const auto b = static_cast<unsigned char>(s[i++]);
    if (b < 0x80) return b;
    int more = b >= 0xF0 && b <= 0xF4 ? 3 : b >= 0xE0 ? 2 : b >= 0xC2 && b < 0xE0 ? 1 : -1;
    if (more < 0 || b > 0xF4) return -1;
    std::uint32_t c = b & (0x3F >> more);
    const std::size_t start = i;
    for (int k = 0; k < more; ++k) {
        if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
            i = start;
            return -1;
        }
        c = c << 6 | (static_cast<unsigned char>(s[i++]) & 0x3F);
    }
    const bool overlong = (more == 2 && c < 0x800) || (more == 3 && c < 0x10000);
    if (overlong || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) {
        i = start;
        return -1;
    }
    return static_cast<long>(c);
}

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && (IsBlank(s.front()) || s.front() == '\n' || s.front() == '\r')) s.remove_prefix(1);
    while (!s.empty() && (IsBlank(s.back()) || s.back() == '\n' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

void AppendUtf8(std::string& out, std::uint32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | c >> 6);
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | c >> 12);
        out += char(0x80 | (c >> 6 & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | c >> 18);
        out += char(0x80 | (c >> 12 & 0x3F));
        out += char(0x80 | (c >> 6 & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

bool IsUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();)
        if (NextUtf8(s, i) < 0) return false;
    return true;
}

// UTF-16 (after its byte-order mark) as UTF-8; a lone surrogate becomes U+FFFD.
std::string FromUtf16(std::string_view bytes, bool little) {
    std::string out;
    auto unit = [&](std::size_t i) {
        const auto a = static_cast<unsigned char>(bytes[i]), b = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<std::uint32_t>(little ? b << 8 | a : a << 8 | b);
    };
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        std::uint32_t c = unit(i);
        if (c >= 0xD800 && c < 0xDC00 && i + 3 < bytes.size() && unit(i + 2) >= 0xDC00 &&
            unit(i + 2) < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
            i += 2;
        } else if (c >= 0xD800 && c < 0xE000) {
            c = 0xFFFD;
        }
        AppendUtf8(out, c);
    }
    return out;
}

// Why a line of a settings text cannot be read cleanly, or "" when it can.
// repaired gets the line as it can be read after all, when it can.
std::string LineProblem(std::string_view line, std::string& repaired) {
    const std::string_view trimmed = Trimmed(line);
    if (trimmed.empty()) return {};
    for (const char c : line) {
        if ((c >= 0 && c < 0x20 && c != '\t') || c == 0x7f)
            return Tr("records", "holds bytes that are not text");
    }
    if (!IsUtf8(line)) return Tr("records", "holds bytes that are not text");
    if (trimmed.front() == '#' || trimmed.front() == ';') return Tr("records", "is a comment");
    if (trimmed.front() == '[') {
        if (trimmed.back() == ']') return {};
        if (trimmed.find_first_of("]=") == std::string_view::npos) repaired = std::string(trimmed) + ']';
        return Tr("records", "is a section name without its closing ']'");
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || equals == 0 || Trimmed(line.substr(0, equals)).empty()) {
        return Tr("records", "is not a setting");
    }
    // A value runs on into the next line after an open quotation mark or a
    // backslash at its end.
    bool quoted = false;
    for (std::size_t i = equals + 1; i < line.size(); ++i) {
        if (line[i] == '\\') {
            if (++i == line.size()) return Tr("records", "runs on into the next line");
        } else if (line[i] == '"') {
            quoted = !quoted;
        }
    }
    if (quoted) return Tr("records", "has a quotation mark that is not closed");
    return {};
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsSurrogate(std::uint32_t c) {
    return c >= 0xD800 && c < 0xE000;
}

// A section or key as the file spells it, read back: %XX a Latin-1
// character, %UXXXX a UTF-16 unit, "\" a key's "/". exact is cleared when a
// UTF-16 unit is half of a character without its other half.
std::string UnescapedName(std::string_view s, bool& exact) {
    std::string out;
    std::uint32_t high = 0;  // a UTF-16 lead surrogate waiting for its partner
    auto flush = [&] {
        if (high) AppendUtf8(out, 0xFFFD), exact = false;
        high = 0;
    };
    auto put = [&](std::uint32_t c) {
        if (high && c >= 0xDC00 && c < 0xE000) {
            AppendUtf8(out, 0x10000 + ((high - 0xD800) << 10) + (c - 0xDC00));
            high = 0;
            return;
        }
        flush();
        if (c >= 0xD800 && c < 0xDC00) {
            high = c;
        } else if (IsSurrogate(c)) {
            AppendUtf8(out, 0xFFFD), exact = false;
        } else {
            AppendUtf8(out, c);
        }
    };
    for (std::size_t i = 0; i < s.size();) {
        if (s[i] == '%' && i + 5 < s.size() && s[i + 1] == 'U') {
            std::uint32_t c = 0;
            bool hex = true;
            for (std::size_t k = i + 2; k < i + 6; ++k)
                hex = hex && HexDigit(s[k]) >= 0, c = c << 4 | (hex ? HexDigit(s[k]) : 0);
            if (hex) {
                put(c);
                i += 6;
                continue;
            }
        }
        if (s[i] == '%' && i + 2 < s.size() && HexDigit(s[i + 1]) >= 0 && HexDigit(s[i + 2]) >= 0) {
            put(static_cast<std::uint32_t>(HexDigit(s[i + 1]) << 4 | HexDigit(s[i + 2])));
            i += 3;
            continue;
        }
        flush();
        if (s[i] == '\\') {
            out += '/';
            ++i;
            continue;
        }
        out += s[i++];
    }
    flush();
    return out;
}

// A value as the file spells it, read back: quotation marks and backslash
// escapes undone, blanks around unquoted parts dropped; parts between
// unquoted commas joined by commas. exact is cleared when an escape gives
// half of a UTF-16 character, which UTF-8 cannot hold.
std::string UnescapedValue(std::string_view s, bool& exact) {
    static constexpr char kEscapes[][2] = {{'a', '\a'}, {'b', '\b'},  {'f', '\f'}, {'n', '\n'},
                                           {'r', '\r'}, {'t', '\t'},  {'v', '\v'}, {'"', '"'},
                                           {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
    std::string out;
    std::size_t keep = 0;  // trailing blanks are dropped back to here
    bool inQuotes = false, partQuoted = false;
    auto chop = [&] {
        if (partQuoted) return;
        while (out.size() > keep && IsBlank(out.back())) out.pop_back();
    };
    std::size_t i = 0;
    auto skipBlanks = [&] {
        while (i < s.size() && IsBlank(s[i])) ++i;
        keep = out.size();
    };
    skipBlanks();
    while (i < s.size()) {
        const char c = s[i];
        if (c == '\\') {
            if (++i >= s.size()) break;
            const char e = s[i++];
            // An escape that means nothing drops the whole character after it, not only its first byte.
            while ((e & 0x80) && i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) ++i;
            bool simple = false;
            for (const auto& pair : kEscapes) {
                if (e == pair[0]) out += pair[1], simple = true;
            }
            if (!simple && (e == 'x' || (e >= '0' && e <= '7'))) {
                const int base = e == 'x' ? 16 : 8;
                std::uint32_t v = e == 'x' ? 0 : static_cast<std::uint32_t>(e - '0');
                for (; i < s.size(); ++i) {
                    const int d = HexDigit(s[i]);
                    if (d < 0 || d >= base) break;
                    v = (v * base + static_cast<std::uint32_t>(d)) & 0xFFFF;
                }
                if (IsSurrogate(v)) exact = false;
                AppendUtf8(out, IsSurrogate(v) ? 0xFFFD : v);
            }
            keep = out.size();
        } else if (c == '"') {
            ++i;
            partQuoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) skipBlanks();
        } else if (c == ',' && !inQuotes) {
            chop();
            out += ',';
            partQuoted = false;
            ++i;
            skipBlanks();
        } else {
            out += c;
            ++i;
        }
    }
    chop();
    // A leading "@" marks a typed value; "@@" is a plain "@".
    if (out.rfind("@@", 0) == 0) out.erase(0, 1);
    return out;
}

// A section or key as the file spells it: letters, digits and "-_." as they
// are, anything else as %XX (Latin-1) or %UXXXX (UTF-16); a key's "/" as "\".
std::string IniName(std::string_view name) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    auto hex = [&](std::uint32_t u, int digits) {
        for (int d = digits - 1; d >= 0; --d) out += kHex[u >> (4 * d) & 0xF];
    };
    for (std::size_t i = 0; i < name.size();) {
        long c = NextUtf8(name, i);
        if (c < 0) c = 0xFFFD;
        const auto u = static_cast<std::uint32_t>(c);
        if ((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') || u == '-' ||
            u == '_' || u == '.') {
            out += char(u);
        } else if (u == '/') {
            out += '\\';
        } else if (u < 256) {
            out += '%';
            hex(u, 2);
        } else if (u < 0x10000) {
            out += "%U";
            hex(u, 4);
        } else {
            out += "%U";
            hex(0xD800 + ((u - 0x10000) >> 10), 4);
            out += "%U";
            hex(0xDC00 + ((u - 0x10000) & 0x3FF), 4);
        }
    }
    return out;
}

bool IsPlain(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '.' || c == ':' || c == '+' || c == '-';
}

// A value as the file spells it: plain when it is plain, else in quotation
// marks with backslash escapes.
std::string IniValueText(const std::string& value) {
    bool plain = value.empty() || (IsPlain(value.front()) && IsPlain(value.back()));
    for (const char c : value) plain = plain && (IsPlain(c) || c == ' ');
    if (plain) return value;
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "\"";
    if (value.front() == '@') out += '@';  // a leading @ marks a typed value
    bool afterNumber = false;              // a hex digit here would lengthen the escape before it
    for (std::size_t i = 0; i < value.size();) {
        const std::size_t at = i;
        const long u = NextUtf8(value, i);
        const char c = value[at];
        const bool number = (c >= 0 && c < 0x20 && c != '\n' && c != '\r' && c != '\t') || c == 0x7f ||
                            (afterNumber && HexDigit(c) >= 0);
        afterNumber = number;
        if (u < 0) {
            out += "\xEF\xBF\xBD";  // U+FFFD
        } else if (u >= 0x80) {
            out.append(value, at, i - at);
        } else if (c == '\\' || c == '"') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (number) {
            out += "\\x00";
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        } else {
            out += c;
        }
    }
    return out + '"';
}

enum class LineKind { Nothing, Section, Setting };

// A line of a text: a section's name, or a setting's key and value. exact is
// cleared when its escapes give what UTF-8 cannot hold.
LineKind ReadLine(std::string_view line, std::string& name, std::string& value, bool& exact) {
    line = Trimmed(line);
    if (line.empty()) return LineKind::Nothing;
    if (line.front() == '[') {
        const std::size_t close = line.find(']');
        name = UnescapedName(line.substr(1, close == std::string_view::npos ? line.size() - 1 : close - 1),
                             exact);
        if (name.empty()) name = "General";
        return LineKind::Section;
    }
    // An unquoted ";" starts a comment that runs to the end of the line.
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\\') {
            ++i;
        } else if (line[i] == '"') {
            quoted = !quoted;
        } else if (line[i] == ';' && !quoted) {
            line = line.substr(0, i);
            break;
        }
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return LineKind::Nothing;
    name = UnescapedName(Trimmed(line.substr(0, equals)), exact);
    value = UnescapedValue(line.substr(equals + 1), exact);
    return name.empty() ? LineKind::Nothing : LineKind::Setting;
}

}  // namespace

CheckedSettings CheckSettingsText(std::string bytes) {
    CheckedSettings checked;
    const bool tooLarge = bytes.size() > kLargestSettingsText;
    // Of a larger text, the whole lines of its first MiB: a line cut off there
    // would give a value cut short.
    if (tooLarge) bytes.resize(bytes.find_last_of("\r\n", kLargestSettingsText - 1) + 1);
    if (bytes.rfind("\xFF\xFE", 0) == 0 || bytes.rfind("\xFE\xFF", 0) == 0) {
        bytes = FromUtf16(std::string_view(bytes).substr(2), bytes[0] == '\xFF');
        checked.problem = Tr("records", "it is written in UTF-16");
    }
    // Lines end as any editor ends them: "\n", "\r\n", or "\r" alone (older Mac editors).
    int number = 0;
    for (std::size_t start = 0; start < bytes.size();) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos) end = bytes.size();
        std::string_view line = std::string_view(bytes).substr(start, end - start);
        start = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        ++number;
        // Byte-order marks before a line are no part of it: the text's own (a
        // tool that adds one to a text that has one adds a second), and those
        // of texts put one after another.
        while (line.starts_with("\xEF\xBB\xBF")) line.remove_prefix(3);
        std::string repaired, name, value;
        bool exact = true;
        std::string problem = LineProblem(line, repaired);
        if (problem.empty() && (ReadLine(line, name, value, exact), !exact)) {
            problem = Tr("records", "has an escape that is no character");
        }
        if (problem.empty()) {
            checked.text.append(line) += '\n';
            continue;
        }
        // Translators: %2 is what is wrong with the line ("is a comment").
        if (checked.problem.empty())
            checked.problem = Fill(Tr("records", "line %1 %2"), {std::to_string(number), problem});
        if (!repaired.empty()) checked.text += repaired + '\n';
    }
    if (tooLarge) checked.problem = Tr("records", "it is larger than 1 MiB");
    return checked;
}

IniValues ReadIniText(const std::string& text, IniLines* lines) {
    IniValues values;
    std::string section = "General";
    int number = 0;
    for (std::size_t start = 0; start < text.size();) {
        ++number;
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string_view line = std::string_view(text).substr(start, end - start);
        start = end + 1;
        std::string name, value;
        bool exact = true;
        const LineKind kind = ReadLine(line, name, value, exact);
        if (kind == LineKind::Section) section = name;
        if (kind != LineKind::Setting) continue;
        values[section][name] = value;
        if (lines) (*lines)[section][name] = number;
    }
    return values;
}

std::string IniText(const IniValues& values) {
    std::string text;
    for (const auto& [section, keys] : values) {
        if (!text.empty()) text += '\n';
        text += '[' + IniName(section) + "]\n";
        for (const auto& [key, value] : keys) text += IniName(key) + '=' + IniValueText(value) + '\n';
    }
    return text;
}

}  // namespace fw
