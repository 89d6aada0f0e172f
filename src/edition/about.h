// What the About window says and offers, the same in both editions.
#pragma once

#include <string>
#include <vector>

namespace fw {

// The version, what the game is, its licence and the way to the manual: lines of text.
std::string AboutText(const std::string& version);

// The project's addresses as the build was given them (the CMake settings
// FRUITWHIRL_HOMEPAGE and FRUITWHIRL_CONTACT, empty unless a packager sets
// them): a web address, and an e-mail address or a web address to write to.
struct ProjectAddresses {
    std::string homepage;
    std::string contact;
};
ProjectAddresses BuiltAddresses();

// A link the About window offers: the address it opens, and its tooltip,
// which names that address.
struct AboutLink {
    enum class Kind { Mail, Web } kind;
    std::string url;      // "mailto:ann@example.org", "https://example.org/"
    std::string tooltip;  // "Write to ann@example.org", "Open https://example.org/"
};
// The links for the addresses given, the contact first; none for an empty one.
std::vector<AboutLink> AboutLinks(const ProjectAddresses& addresses = BuiltAddresses());

}  // namespace fw
