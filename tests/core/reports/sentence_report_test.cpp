// Sentences: where they end, their forms and their exact text. A text of several sentences,
// the last one closed by the end of the text, shows in the exact output of quorvelle-cli.
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
        {"Bonjour le monde\r\n", {{"Bonjour le monde\r\n", 3}}, 3, 3.0},
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
