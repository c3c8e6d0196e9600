#include "core/search/commonness.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

// Turns the commonness file's text into the index the programs read beside
// the list, failing with the text's fault (named by its line) or the write's.
int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "Usage: tovrel2-commonness-index TEXT INDEX\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in) {
        std::fprintf(stderr, "tovrel2-commonness-index: cannot read %s\n", argv[1]);
        return 1;
    }
    std::string index;
    if (auto fault = tovrel::Commonness::indexOf(text.str(), argv[1], index)) {
        std::fprintf(stderr, "tovrel2-commonness-index: %s\n", fault->message().c_str());
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(index.data(), static_cast<std::streamsize>(index.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "tovrel2-commonness-index: cannot write %s\n", argv[2]);
        std::remove(argv[2]);
        return 1;
    }
    return 0;
}
