// The player's language: which one a choice speaks, and the choice kept with the records.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "edition/language.h"
#include "fakes.h"

namespace fw::test {
namespace {

struct Spoken {
    const char* name;
    int choice;
    std::map<std::string, std::string> environment;
    std::string expected;
};

TEST(Language, AChoiceSpeaksItsLanguageAndTheSystemsIsTheFirstItAsksForThatTheGameSpeaks) {
    const std::vector<std::string> catalogues{"de", "fr"};
    const Spoken rows[] = {
        {"LANGUAGE comes before LANG", 0, {{"LANGUAGE", "de"}, {"LANG", "fr_FR.UTF-8"}}, "de"},
        {"LANGUAGE is a list, read in order", 0, {{"LANGUAGE", "sv:fr:de"}, {"LANG", "de_DE.UTF-8"}}, "fr"},
        {"LC_MESSAGES comes before LANG", 0, {{"LC_MESSAGES", "de_AT.UTF-8"}, {"LANG", "fr_FR.UTF-8"}}, "de"},
        {"LC_ALL comes before LC_MESSAGES", 0, {{"LC_ALL", "fr_CA"}, {"LC_MESSAGES", "de_DE"}}, "fr"},
        {"LANG alone, a region of a language", 0, {{"LANG", "de_CH.UTF-8"}}, "de"},
        {"the C locale is English", 0, {{"LANG", "C.UTF-8"}}, "en"},
        {"a language without a catalogue is English", 0, {{"LANG", "ja_JP.UTF-8"}}, "en"},
        {"nothing set is English", 0, {}, "en"},
        {"a choice comes before the system's", 3, {{"LANGUAGE", "de"}}, "fr"},
        {"English chosen on a German system", 1, {{"LANG", "de_DE.UTF-8"}}, "en"},
        {"a choice out of range is the system's", 17, {{"LANG", "de_DE.UTF-8"}}, "de"},
    };
    for (const Spoken& row : rows) {
        const auto environment = [&row](const char* name) -> const char* {
            const auto value = row.environment.find(name);
            return value == row.environment.end() ? nullptr : value->second.c_str();
        };
        EXPECT_EQ(SpokenLanguage(row.choice, SystemLanguages(environment), catalogues), row.expected)
            << row.name;
    }
}

TEST(Language, TheChoiceIsKeptWithTheRecordsAndSpokenAtTheNextStart) {
    Rig first;
    first.Start();
    first.Configure([](ConfigValues& values) { values.language = 2; });
    EXPECT_EQ(first.host.languages.back(), 2) << "the window speaks it at once";
    first.Send(ev::MenuQuit{});
    EXPECT_EQ(first.store.Value("GameCfg", "Language"), "2");

    Rig next;
    next.store.durable = first.store.durable;
    next.Start();
    ConfigValues shown;
    next.host.configDialog = [&shown](ConfigValues& values) { return shown = values, false; };
    next.Send(ev::MenuConfig{});
    EXPECT_EQ(next.host.languages, std::vector<int>{2}) << "spoken before the start-up's messages";
    EXPECT_EQ(shown.language, 2);
}

TEST(Language, AStoredChoiceTheGameDoesNotKnowIsTheSystemsLanguage) {
    for (const char* stored : {"6", "-1", "de", ""}) {
        Rig rig;
        rig.store.Set("GameCfg", "Language", stored);
        rig.Start();
        EXPECT_EQ(rig.host.languages, std::vector<int>{0}) << stored;
    }
}

}  // namespace
}  // namespace fw::test
