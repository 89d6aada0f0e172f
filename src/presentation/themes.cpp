#include "presentation/themes.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <optional>
#include <system_error>

#include "machine/cells.h"
#include "platform/words.h"

namespace fw {

namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EndsWithThm(const std::string& name) {
    if (name.size() <= 4) return false;
    const std::string_view ext(name.data() + name.size() - 4, 4);
    return Lower(ext[0]) == '.' && Lower(ext[1]) == 't' && Lower(ext[2]) == 'h' && Lower(ext[3]) == 'm';
}

// Case-insensitive order keeps the theme numbers stable between runs,
// whatever order the file system lists the folder in.
bool ThemeOrder(const std::string& a, const std::string& b) {
    const bool less = std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                                   [](char x, char y) { return Lower(x) < Lower(y); });
    const bool greater = std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(),
                                                      [](char x, char y) { return Lower(x) < Lower(y); });
    return less || (!greater && a < b);
}

// Two theme files with the same name, whatever the case of their letters and extensions.
bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end() - 4, b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

// A menu caption shows "&&" as one ampersand.
std::string MenuText(const std::string& name) {
    std::string text;
    for (char c : name) {
        text += c;
        if (c == '&') text += '&';
    }
    return text;
}

}  // namespace

bool ScanThemes(Machine& m) {
    namespace fs = std::filesystem;
    struct Found {
        std::string file;  // the file name, extension as written
        std::string path;  // the folder and the file name
    };
    // The theme files of one folder, in the order the file system lists them.
    auto scan = [](const std::string& folder) {
        std::vector<Found> found;
        std::error_code ec;
        for (fs::directory_iterator it(fs::path(folder), ec), end; !ec && it != end; it.increment(ec)) {
            std::error_code typeError;
            if (!it->is_regular_file(typeError)) continue;
            std::string name = it->path().filename().string();
            if (EndsWithThm(name)) found.push_back({name, folder + name});
        }
        return found;
    };
    std::vector<Found> found = scan(m.themes.GfxPath);
    if (!m.themes.UserGfxPath.empty() && m.themes.UserGfxPath != m.themes.GfxPath) {
        // The player's own themes; one named like a shipped theme takes its place.
        const std::vector<Found> own = scan(m.themes.UserGfxPath);
        std::erase_if(found, [&](const Found& shipped) {
            return std::any_of(own.begin(), own.end(),
                               [&](const Found& mine) { return SameName(mine.file, shipped.file); });
        });
        found.insert(found.end(), own.begin(), own.end());
    }
    std::sort(found.begin(), found.end(),
              [](const Found& a, const Found& b) { return ThemeOrder(a.file, b.file); });

    if (found.size() > kMaxThemes) {
        m.themes.ThemeCount = static_cast<Integer>(std::min<std::size_t>(found.size(), kIntegerMax));
        m.host.ShowError(m.config.AppName, TooManyThemes());
        EndProgram(m, 1);
        return false;
    }
    if (found.empty()) {
        m.host.ShowError(
            m.config.AppName,
            Fill(Tr("themes", "No reel theme was found: the folder \"%1\" holds no \"*.Thm\" picture file."),
                 {m.themes.GfxPath}));
        EndProgram(m, 1);
        return false;
    }

    m.themes.ThemeCount = static_cast<Integer>(found.size());
    m.themes.ThemeFiles.assign(1, std::string());
    m.themes.ThemePaths.assign(1, std::string());
    for (int i = 1; i <= kMaxThemes; ++i) {
        if (i <= m.themes.ThemeCount) {
            const Found& theme = found[i - 1];
            m.themes.ThemePaths.push_back(theme.path);
            m.themes.ThemeFiles.push_back(theme.file.substr(0, theme.file.size() - 4));
            m.host.SetThemeItem(i, "&" + MenuText(m.themes.ThemeFiles[i]), true, true);
        } else {
            m.host.SetThemeItem(i, "&Theme" + std::to_string(i), false, false);
        }
    }
    return true;
}

std::string ThemeSizeProblem(int width, int height) {
    auto n = [](int v) { return std::to_string(v); };
    if (width < themecells::kMinWidth || height < themecells::kMinHeight) {
        // Translators: what follows "The reel theme "NAME" cannot be loaded: ".
        return Fill(Tr("themes", "it is too small (%1 x %2 pixels; a theme needs at least %3 x %4)."),
                    {n(width), n(height), n(themecells::kMinWidth), n(themecells::kMinHeight)});
    }
    if (width > themecells::kMaxSide || height > themecells::kMaxSide) {
        // Translators: what follows "The reel theme "NAME" cannot be loaded: ".
        return Fill(Tr("themes", "it is too large (%1 x %2 pixels; a theme may be at most %3 x %4)."),
                    {n(width), n(height), n(themecells::kMaxSide), n(themecells::kMaxSide)});
    }
    return {};
}

std::string TooManyThemes() {
    return Tr("themes", "You Have Too Many 'Thm' Files. (Max=10)");
}

std::optional<Surface> ReadThemePicture(ImageLoader& images, const std::string& path, const std::string& name,
                                        std::string& error) {
    LoadedImage image = images.Load(path, ThemeSizeProblem);
    // A picture whose file did not tell its size before it was decoded is checked now.
    if (image.surface) image.error = ThemeSizeProblem(image.surface->width(), image.surface->height());
    if (!image.surface || !image.error.empty()) {
        // Translators: %2 is why: "it is too small (...).", or the picture reader's own words.
        error = Fill(Tr("themes", "The reel theme \"%1\" cannot be loaded: %2"), {name, image.error});
        return std::nullopt;
    }
    return std::move(image.surface);
}

bool LoadTheme(Machine& m, int index, std::string& error) {
    const std::string& path = m.themes.ThemePaths.at(index);
    std::optional<Surface> picture = ReadThemePicture(m.images, path, path, error);
    if (!picture) return false;
    m.display.hdcTheme = std::move(*picture);
    return true;
}

std::string ThemeToAdd(Machine& m, const std::string& path, const std::string& file) {
    std::string error;
    if (!ReadThemePicture(m.images, path, std::filesystem::path(path).filename().string(), error))
        return error;
    const bool known = std::any_of(m.themes.ThemeFiles.begin() + 1, m.themes.ThemeFiles.end(),
                                   [&](const std::string& t) { return SameName(t + ".Thm", file); });
    if (!known && m.themes.ThemeCount >= kMaxThemes) return TooManyThemes();
    return {};
}

void CheckTheme(Machine& m, int index) {
    for (int i = 1; i <= m.themes.ThemeCount; ++i) {
        m.window.ThemeChecked[i] = i == index;
        m.host.CheckThemeItem(i, i == index);
    }
}

namespace {

// What each shipped theme draws for the symbols 0..14.
struct ShippedTheme {
    const char* file;
    std::array<const char*, themecells::kSymbols> symbols;
};
constexpr ShippedTheme kShippedThemes[] = {
    {"Fruit.Thm",
     {TrLater("symbol", "star"), TrLater("symbol", "banana"), TrLater("symbol", "cherries"),
      TrLater("symbol", "lemon"), TrLater("symbol", "bell"), TrLater("symbol", "grapes"),
      TrLater("symbol", "melon"), TrLater("symbol", "orange"), TrLater("symbol", "plum"),
      TrLater("symbol", "lucky seven"), TrLater("symbol", "BAR"), TrLater("symbol", "diamond"),
      TrLater("symbol", "crown"), TrLater("symbol", "pear"), TrLater("symbol", "strawberry")}},
    {"Jewels.Thm",
     {TrLater("symbol", "star crystal"), TrLater("symbol", "pearls"), TrLater("symbol", "ruby heart"),
      TrLater("symbol", "emerald"), TrLater("symbol", "gold ring"), TrLater("symbol", "amethyst drop"),
      TrLater("symbol", "topaz trillion"), TrLater("symbol", "sapphire"), TrLater("symbol", "gold doubloon"),
      TrLater("symbol", "crystal seven"), TrLater("symbol", "gold ingot"), TrLater("symbol", "diamond"),
      TrLater("symbol", "platinum crown"), TrLater("symbol", "treasure chest"),
      TrLater("symbol", "pendant")}},
    {"Vegas.Thm",
     {TrLater("symbol", "jester's cap"), TrLater("symbol", "cocktail"), TrLater("symbol", "heart"),
      TrLater("symbol", "dice"), TrLater("symbol", "horseshoe"), TrLater("symbol", "poker chip"),
      TrLater("symbol", "four-leaf clover"), TrLater("symbol", "spade"), TrLater("symbol", "banknotes"),
      TrLater("symbol", "neon seven"), TrLater("symbol", "triple BAR"), TrLater("symbol", "ace card"),
      TrLater("symbol", "crown"), TrLater("symbol", "top hat"), TrLater("symbol", "bow tie")}},
};

}  // namespace

std::string SymbolName(const std::string& themeFile, int symbol) {
    if (symbol >= 0 && symbol < themecells::kSymbols) {
        for (const ShippedTheme& theme : kShippedThemes) {
            if (SameName(themeFile, theme.file)) return Tr("symbol", theme.symbols[symbol]);
        }
    }
    return Fill(Tr("symbol", "symbol %1"), {std::to_string(symbol)});
}

std::string SymbolName(const Machine& m, int symbol) {
    if (m.themes.ThemeIndex < 1 || m.themes.ThemeIndex >= static_cast<int>(m.themes.ThemePaths.size()))
        return SymbolName(std::string(), symbol);
    const std::string& path = m.themes.ThemePaths[m.themes.ThemeIndex];
    const bool shipped =
        path.starts_with(m.themes.GfxPath) && path.find('/', m.themes.GfxPath.size()) == std::string::npos;
    return SymbolName(shipped ? path.substr(m.themes.GfxPath.size()) : std::string(), symbol);
}

}  // namespace fw
