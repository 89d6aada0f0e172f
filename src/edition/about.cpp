#include "edition/about.h"

#include "platform/words.h"

namespace fw {

std::string AboutText(const std::string& version) {
    return Fill(
        Tr("about",
           "Version %1\nA three-reel fruit machine.\n\u00a9 2026 The Fruitwhirl developers, under the "
           "MIT License.\nThe manual: Help \u203a Manual For Fruitwhirl, or F1."),
        {version});
}

ProjectAddresses BuiltAddresses() {
    return {FW_HOMEPAGE, FW_CONTACT};
}

std::vector<AboutLink> AboutLinks(const ProjectAddresses& addresses) {
    std::vector<AboutLink> links;
    const std::string& contact = addresses.contact;
    // A contact without a scheme is an e-mail address.
    if (contact.find(':') == std::string::npos && contact.find('@') != std::string::npos)
        links.push_back(
            {AboutLink::Kind::Mail, "mailto:" + contact, Fill(Tr("about", "Write to %1"), {contact})});
    else if (!contact.empty())
        links.push_back({AboutLink::Kind::Web, contact, Fill(Tr("about", "Open %1"), {contact})});
    if (!addresses.homepage.empty())
        links.push_back(
            {AboutLink::Kind::Web, addresses.homepage, Fill(Tr("about", "Open %1"), {addresses.homepage})});
    return links;
}

}  // namespace fw
