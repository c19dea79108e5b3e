// Writes benchmark text of a given size to a file: French-like text, or with --real the
// shuffled paragraphs of the real French texts of the corpus; with --parts P, cut into the P
// parts of a corpus by marker lines.
// Usage: quorvelle-generate-text [--real] [--parts P] BYTES FILE [SEED]
#include "bench/french_like_text.h"
#include "bench/marked_corpus.h"
#include "bench/real_french_text.h"

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

int main(int argc, char* argv[])
{
    char** arguments = argv + 1;
    int count = argc - 1;
    const bool real = count > 0 && std::string_view(arguments[0]) == "--real";
    if (real) {
        ++arguments;
        --count;
    }
    std::size_t parts = 0;
    if (count > 1 && std::string_view(arguments[0]) == "--parts") {
        parts = std::stoull(arguments[1]);
        arguments += 2;
        count -= 2;
    }
    if (count < 2) {
        std::cerr << "Usage : quorvelle-generate-text [--real] [--parts P] OCTETS FICHIER [GRAINE]\n";
        return 2;
    }
    const auto bytes = std::stoull(arguments[0]);
    const auto seed = count > 2 ? std::stoull(arguments[2]) : quorvelle::bench::defaultSeed;
    const std::string text = real
        ? quorvelle::bench::realFrenchText(quorvelle::bench::corpusTexts(QUORVELLE_CORPUS_DIR), bytes, seed)
        : quorvelle::bench::generateFrenchLikeText(bytes, seed);
    std::ofstream(arguments[1], std::ios::binary) << (parts > 0 ? quorvelle::bench::markedInParts(text, parts) : text);
    return 0;
}
