#include "platform/words.h"

#include <utility>
#include <vector>

namespace fw {
namespace {

Catalogue& Current() {
    static Catalogue catalogue;
    return catalogue;
}

}  // namespace

void UseCatalogue(Catalogue catalogue) {
    Current() = std::move(catalogue);
}

std::string Tr(const char* context, const char* english) {
    if (const Catalogue& c = Current()) {
        if (auto said = c(Phrase{context, english, {}, 0})) return *said;
    }
    return english;
}

std::string TrN(const char* context, const char* singular, const char* plural, long count) {
    if (const Catalogue& c = Current()) {
        if (auto said = c(Phrase{context, singular, plural, count})) return *said;
    }
    return count == 1 ? singular : plural;
}

std::string WithDecimalMark(std::string printed) {
    // Translators: the decimal mark, as in 8.89 or 148.5 %: a comma in most European languages.
    const std::string mark = Tr("number", ".");
    if (mark == ".") return printed;
    std::string out;
    for (const char c : printed) {
        if (c == '.')
            out += mark;
        else
            out += c;
    }
    return out;
}

std::string Number(long n) {
    return std::to_string(n);
}

std::string Fill(std::string_view text, std::initializer_list<std::string_view> args) {
    const std::vector<std::string_view> list(args);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '%' && i + 1 < text.size()) {
            const char next = text[i + 1];
            if (next == '%') {
                out += '%';
                ++i;
                continue;
            }
            if (next >= '1' && next <= '9') {
                const std::size_t n = static_cast<std::size_t>(next - '1');
                if (n < list.size()) out += list[n];
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

}  // namespace fw
