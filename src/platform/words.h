// The words the player reads, in the player's language.
//
// Every sentence the core shows (messages, captions, the descriptions a screen
// reader reads) is written in English and passes through Tr, which the build's
// extraction finds (xgettext --keyword=Tr:1c,2 --keyword=TrN:1c,2,3). An edition
// sets the catalogue of the player's language once at start; without one the
// English text stands.
#pragma once

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace fw {

// One phrase to translate: its context, its English text and, for a phrase
// that counts something, its English plural and the count.
struct Phrase {
    std::string_view context;
    std::string_view english;
    std::string_view plural;  // empty unless the phrase counts
    long count = 0;
};

// The player's language: a phrase's translation, or nothing when the catalogue
// has none (the English text then stands).
using Catalogue = std::function<std::optional<std::string>(const Phrase&)>;

// Sets the catalogue every Tr and TrN read from now on; an empty one is English.
void UseCatalogue(Catalogue catalogue);

// english as it stands, marked for the extraction (xgettext --keyword=TrLater:1c,2):
// for a table's sentences that are translated where they are used, by Tr(context, english).
constexpr const char* TrLater(const char* /*context*/, const char* english) {
    return english;
}

// english, in the player's language.
std::string Tr(const char* context, const char* english);
// singular or plural as count asks, in the player's language.
std::string TrN(const char* context, const char* singular, const char* plural, long count);

// A number printed with a decimal point ("8.89"), with the player's decimal
// mark in its place ("8,89").
std::string WithDecimalMark(std::string printed);

// A count as a sentence says it ("12"): the same digits in every language
// the catalogues speak.
std::string Number(long n);

// text with %1 .. %9 replaced by the arguments in order ("%%" is one "%").
std::string Fill(std::string_view text, std::initializer_list<std::string_view> args);

}  // namespace fw
