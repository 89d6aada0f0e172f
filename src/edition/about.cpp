#include "edition/about.h"

namespace fw {

std::string AboutText(const std::string& version) {
    return "Version " + version + "\nA three-reel fruit machine.\n\u00a9 2026 The Fruitwhirl authors.";
}

}  // namespace fw
