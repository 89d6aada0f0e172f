#include "presentation/bitmap_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "machine/screen.h"
#include "platform/ini_text.h"

namespace fw {

namespace {

// The code points of a UTF-8 text; a malformed byte stands for itself.
std::u32string CodePoints(const std::string& text) {
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        const long c = NextUtf8(text, i);
        out.push_back(c < 0 ? static_cast<unsigned char>(text[i - 1]) : static_cast<char32_t>(c));
    }
    return out;
}

// The capital a small letter draws as.
char32_t Upper(char32_t c) {
    if (c >= U'a' && c <= U'z') return c - U'a' + U'A';
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;  // à..þ, not the division sign
    if (c == 0xFF) return 0x178;                               // ÿ
    if (c == 0x131) return U'I';                               // the dotless ı
    if (c == 0x17F) return U'S';                               // the long ſ
    // Latin Extended-A pairs each capital with its small letter: capital even
    // from Ā to ķ and from Ŋ to ŷ, capital odd from Ĺ to ň and from Ź to ž.
    if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) return c & ~char32_t{1};
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return c % 2 == 0 ? c - 1 : c;
    return c;
}

int GlyphNumber(char32_t c) {
    const auto k = kFontAlphabet.find(Upper(c));
    return k == std::u32string_view::npos ? -1 : static_cast<int>(k);
}

}  // namespace

void DrawBitmapText(Machine& m, int x, int y, const std::string& text, FontColour colour, Surface& target,
                    bool transparent) {
    const std::u32string chars = CodePoints(text);
    for (std::size_t i = 0; i < chars.size(); ++i) {
        const int k = GlyphNumber(chars[i]);
        if (k < 0) continue;  // not in the font: its place stays empty
        // Over a picture a space leaves the picture; on the black it is a black cell.
        if (transparent && chars[i] == U' ') continue;
        const int px = x + kGlyphPitch * static_cast<int>(i);
        if (transparent) {
            BitBlt(target, px, y, m.display.hdcSprites, cells::GlyphMask(k), Rop::SrcAnd);
            BitBlt(target, px, y, m.display.hdcSprites, cells::Glyph(k, colour), Rop::SrcInvert);
        } else {
            BitBlt(target, px, y, m.display.hdcSprites, cells::Glyph(k, colour));
        }
    }
}

bool FontDraws(const std::string& text) {
    for (const char32_t c : CodePoints(text))
        if (GlyphNumber(c) < 0) return false;
    return true;
}

Surface NamePreview(Machine& m, const std::string& text) {
    if (FontDraws(text)) return {};
    // A pixel of black around the line, as the list shows it.
    Surface preview(kGlyphPitch * TextLength(text) + 1, 9);
    DrawBitmapText(m, 1, 1, text, FontColour::Yellow, preview, false);
    return preview;
}

std::string FormatPlayTime(Long ms) {
    const long hours = (ms / 3'600'000) % 24;
    const long minutes = (ms / 60'000) % 60;
    const long seconds = (ms / 1000) % 60;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02ld:%02ld:%02ld", std::labs(hours), std::labs(minutes),
                  std::labs(seconds));
    return buffer;
}

int TextLength(const std::string& text) {
    return static_cast<int>(CodePoints(text).size());
}

int Whole(double v) {
    return static_cast<int>(std::nearbyint(v));
}

int CentredX(int n, int p) {
    return Whole((kScreenWidth - double(kGlyphPitch) * n) / 2.0 + (p - kScreenWidth / 2));
}

}  // namespace fw
