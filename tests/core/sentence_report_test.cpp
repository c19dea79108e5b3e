// Sentences: where they end, their forms and their exact text.
#include "core/sentence_report.h"

#include <gtest/gtest.h>

#include <iterator>
#include <optional>
#include <vector>

namespace quorvelle {
namespace {

TEST(SentenceReport, CutsTheTextAtEveryTerminator)
{
    const struct { const char* text; std::vector<SentenceRecord> sentences; std::int64_t forms; std::optional<double> mean; }
        cases[] = { // sentences: number, terminator, forms, text
        {"Il pleut. Vient-il ? Oui.", {{1, ".", 2, "Il pleut."}, {2, "?", 2, " Vient-il ?"}, {3, ".", 1, " Oui."}}, 5, 1.67},
        {"Bonjour le monde\r\n", {{1, "", 3, "Bonjour le monde\r\n"}}, 3, 3.0},
        {"Oui. Non", {{1, ".", 1, "Oui."}, {2, "", 1, " Non"}}, 2, 1.0},
        {"Bonjour...", {{1, ".", 1, "Bonjour."}, {2, ".", 0, "."}, {3, ".", 0, "."}}, 1, 0.33},
        {"Quoi?!", {{1, "?", 1, "Quoi?"}, {2, "!", 0, "!"}}, 1, 0.5},
        {"Pi vaut 3.14 environ.", {{1, ".", 2, "Pi vaut 3."}, {2, ".", 1, "14 environ."}}, 3, 1.5},
        // No other mark ends a sentence: not the semicolon, the colon, the ellipsis character or quotes.
        {"Un; deux: trois\x85 \"quatre\"\r\nfin", {{1, "", 5, "Un; deux: trois\x85 \"quatre\"\r\nfin"}}, 5, 5.0},
        {"Oui. \r\n", {{1, ".", 1, "Oui."}}, 1, 1.0}, // blanks after the last terminator make no sentence
        {"2001 ; 2002\r\n", {}, 0, std::nullopt},
    };
    for (const auto& [text, sentences, forms, mean] : cases)
        EXPECT_EQ(sentenceReport(text), (SentenceReport{sentences, std::ssize(sentences), forms, mean})) << text;
}

} // namespace
} // namespace quorvelle
