// Writes the page's copy of the contract between the game and the page
// (contract.js) to the file named; the browser edition's build runs it.
#include <cstdio>
#include <fstream>
#include <iterator>

#include "edition/page_contract.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: page_contract OUTPUT.js\n", stderr);
        return 2;
    }
    const std::string text = fw::PageContractScript();
    std::ofstream(argv[1], std::ios::binary) << text;
    // What the page will read must be what was written.
    std::ifstream back(argv[1], std::ios::binary);
    const std::string written((std::istreambuf_iterator<char>(back)), std::istreambuf_iterator<char>());
    if (written == text) return 0;
    std::fprintf(stderr, "page_contract: %s was not written whole\n", argv[1]);
    return 1;
}
