// Sentences: where they end, their forms and their exact text. A text of several sentences,
// the last one closed by the end of the text, shows in the exact output of quorvelle-cli.
#include "core/reports/sentence_report.h"

#include <gtest/gtest.h>

#include <iterator>
#include <optional>
#include <string_view>
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

// The sentence that holds some characters, as the report cuts them, without the blanks around
// it; the sentences, when the characters cross a terminator; no further than the reach.
TEST(SentenceReport, SentenceAroundSomeCharacters)
{
    const std::string_view text = "Il pleut. Le chat dort?\r\n Oui! Enfin";
    const auto around = [text](std::string_view part, std::size_t reach = 100) {
        const std::size_t start = text.find(part);
        return sentenceAround(text, start, start + part.size(), reach);
    };
    EXPECT_EQ(around("Il"), "Il pleut.");
    EXPECT_EQ(around("chat"), "Le chat dort?");
    EXPECT_EQ(around("Enfin"), "Enfin");
    EXPECT_EQ(around("dort?\r\n Oui"), "Le chat dort?\r\n Oui!");
    EXPECT_EQ(around("chat", 3), "Le chat do");
    // A view into the text, which tells where the sentence starts.
    EXPECT_EQ(around("chat").data(), text.data() + text.find("Le"));
}

} // namespace
} // namespace quorvelle
