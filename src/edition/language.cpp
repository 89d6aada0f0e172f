#include "edition/language.h"

#include <algorithm>
#include <cctype>

#include "platform/ini_text.h"
#include "platform/words.h"
#include "records/settings.h"

namespace fw {

std::string LanguageChoiceName(int choice) {
    if (choice <= 0 || choice > kLanguageChoiceLast) return Tr("config", "System language");
    return kLanguageChoices[choice].name;
}

std::vector<std::string> SystemLanguages(const std::function<const char*(const char*)>& environment) {
    std::vector<std::string> wished;
    auto named = [](std::string locale) {
        locale = locale.substr(0, locale.find_first_of(".@"));
        return locale == "C" || locale == "POSIX" ? std::string("en") : locale;
    };
    // LANGUAGE is a list, read first, as gettext does.
    if (const char* list = environment("LANGUAGE"); list && *list) {
        std::string text = list;
        for (std::size_t at = 0; at <= text.size();) {
            const std::size_t end = std::min(text.find(':', at), text.size());
            if (end > at) wished.push_back(named(text.substr(at, end - at)));
            at = end + 1;
        }
    }
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const char* locale = environment(variable); locale && *locale) {
            wished.push_back(named(locale));
            break;
        }
    }
    return wished;
}

std::string SpokenLanguage(int choice, const std::vector<std::string>& wished,
                           const std::vector<std::string>& available) {
    auto has = [&available](const std::string& code) {
        return code == "en" || std::find(available.begin(), available.end(), code) != available.end();
    };
    if (choice > 0 && choice <= kLanguageChoiceLast && has(kLanguageChoices[choice].code))
        return kLanguageChoices[choice].code;
    for (const std::string& wish : wished) {
        // "de_AT" and "de-AT" speak "de" when there is no catalogue of their own.
        const std::string whole = wish.substr(0, wish.find('.'));
        std::string language = whole.substr(0, whole.find_first_of("_-"));
        std::transform(language.begin(), language.end(), language.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (has(whole)) return whole;
        if (has(language)) return language;
    }
    return "en";
}

int LanguageChoiceIn(std::string bytes) {
    if (bytes.size() > kLargestSettingsText) return 0;
    const CheckedSettings checked = CheckSettingsText(std::move(bytes));
    if (!checked.problem.empty()) return 0;
    const IniValues values = ReadIniText(checked.text);
    const auto section = values.find("GameCfg");
    if (section == values.end()) return 0;
    const auto value = section->second.find("Language");
    if (value == section->second.end()) return 0;
    const auto taken = TakenNumber(*StoredNumberRange("GameCfg", "Language"), value->second);
    return taken ? static_cast<int>(*taken) : 0;
}

}  // namespace fw
