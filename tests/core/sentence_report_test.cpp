// Sentences: where they end, their forms and their exact text.
#include "core/reports/sentence_report.h"

#include <gtest/gtest.h>

#include <iterator>
#include <optional>
#include <vector>

namespace quorvelle {
namespace {

TEST(SentenceReport, CutsTheTextAtEveryTerminator)
{
    const struct {
        const char* text;
        std::vector<SentenceRecord> sentences;
        std::int64_t forms;
        std::optional<double> mean;
    } cases[] = {
        // sentences: text, forms
        {"Il pleut. Vient-il ? Oui.", {{"Il pleut.", 2}, {" Vient-il ?", 2}, {" Oui.", 1}}, 5, 1.67},
        {"Bonjour le monde\r\n", {{"Bonjour le monde\r\n", 3}}, 3, 3.0},
        {"Oui. Non", {{"Oui.", 1}, {" Non", 1}}, 2, 1.0},
        {"Bonjour...", {{"Bonjour.", 1}, {".", 0}, {".", 0}}, 1, 0.33},
        {"Quoi?!", {{"Quoi?", 1}, {"!", 0}}, 1, 0.5},
        {"Pi vaut 3.14 environ.", {{"Pi vaut 3.", 2}, {"14 environ.", 1}}, 3, 1.5},
        // No other mark ends a sentence: not the semicolon, the colon, the ellipsis character or quotes.
        {"Un; deux: trois\x85 \"quatre\"\r\nfin", {{"Un; deux: trois\x85 \"quatre\"\r\nfin", 5}}, 5, 5.0},
        {"Oui. \r\n", {{"Oui.", 1}}, 1, 1.0}, // blanks after the last terminator make no sentence
        {"2001 ; 2002\r\n", {}, 0, std::nullopt},
    };
    for (const auto& [text, sentences, forms, mean] : cases)
        EXPECT_EQ(sentenceReport(text), (SentenceReport{{std::ssize(sentences), forms, mean}, sentences})) << text;
}

} // namespace
} // namespace quorvelle
