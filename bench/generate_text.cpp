// Writes French-like benchmark text of a given size to a file.
// Usage: quorvelle-generate-text BYTES FILE [SEED]
#include "bench/french_like_text.h"

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::cerr << "Usage : quorvelle-generate-text OCTETS FICHIER [GRAINE]\n";
        return 2;
    }
    const auto bytes = std::stoull(argv[1]);
    const auto seed = argc > 3 ? std::stoull(argv[3]) : 2026ull;
    std::ofstream(argv[2], std::ios::binary) << quorvelle::bench::generateFrenchLikeText(bytes, seed);
    return 0;
}
