// Sentences: where they end, their forms and their exact text.
#include "core/sentence_report.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace quorvelle {
namespace {

/// A sentence with its own copy of the texts: number, terminator, forms, text.
using Sentence = std::tuple<std::int64_t, std::string, std::int64_t, std::string>;

TEST(SentenceReport, CutsTheTextAtEveryTerminator)
{
    const struct {
        std::string text;
        std::vector<Sentence> sentences;
        std::int64_t tokenCount;
        std::optional<double> meanLength;
    } cases[] = {
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
    for (const auto& [text, sentences, tokenCount, meanLength] : cases) {
        SCOPED_TRACE(text);
        const SentenceReport report = sentenceReport(text);
        std::vector<Sentence> actual;
        for (const SentenceRecord& record : report.sentences)
            actual.emplace_back(record.number, record.terminator, record.formCount, record.text);
        EXPECT_EQ(actual, sentences);
        EXPECT_EQ(report.sentenceCount, static_cast<std::int64_t>(sentences.size()));
        EXPECT_EQ(report.tokenCount, tokenCount);
        EXPECT_EQ(report.meanLength, meanLength);
    }
}

} // namespace
} // namespace quorvelle
