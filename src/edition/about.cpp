#include "edition/about.h"

namespace fw {

std::string AboutText(const std::string& version) {
    return "Version " + version +
           "\nA three-reel fruit machine.\n\u00a9 2026 The Fruitwhirl developers, under the MIT License."
           "\nThe manual: Help \u203a Manual For Fruitwhirl, or F1.";
}

ProjectAddresses BuiltAddresses() {
    return {FW_HOMEPAGE, FW_CONTACT};
}

std::vector<AboutLink> AboutLinks(const ProjectAddresses& addresses) {
    std::vector<AboutLink> links;
    const std::string& contact = addresses.contact;
    // A contact without a scheme is an e-mail address.
    if (contact.find(':') == std::string::npos && contact.find('@') != std::string::npos)
        links.push_back({AboutLink::Kind::Mail, "mailto:" + contact, "Write to " + contact});
    else if (!contact.empty())
        links.push_back({AboutLink::Kind::Web, contact, "Open " + contact});
    if (!addresses.homepage.empty())
        links.push_back({AboutLink::Kind::Web, addresses.homepage, "Open " + addresses.homepage});
    return links;
}

}  // namespace fw
