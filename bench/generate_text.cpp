// Writes benchmark text of a given size to a file: French-like text, or with --real the
// shuffled paragraphs of the real French texts of the corpus.
// Usage: quorvelle-generate-text [--real] BYTES FILE [SEED]
#include "bench/french_like_text.h"
#include "bench/real_french_text.h"

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

int main(int argc, char* argv[])
{
    const bool real = argc > 1 && std::string_view(argv[1]) == "--real";
    char** arguments = argv + (real ? 2 : 1);
    const int count = argc - (real ? 2 : 1);
    if (count < 2) {
        std::cerr << "Usage : quorvelle-generate-text [--real] OCTETS FICHIER [GRAINE]\n";
        return 2;
    }
    const auto bytes = std::stoull(arguments[0]);
    const auto seed = count > 2 ? std::stoull(arguments[2]) : quorvelle::bench::defaultSeed;
    const std::string text = real
        ? quorvelle::bench::realFrenchText(quorvelle::bench::corpusTexts(QUORVELLE_CORPUS_DIR), bytes, seed)
        : quorvelle::bench::generateFrenchLikeText(bytes, seed);
    std::ofstream(arguments[1], std::ios::binary) << text;
    return 0;
}
