// Sentences: where they end, their forms and their exact text.
#include "core/sentence_report.h"

#include "core/letters.h"
#include "core/segmentation.h"
#include "core/test_texts.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace quorvelle {
namespace {

/// A sentence with its own copy of the texts.
struct Sentence {
    std::int64_t number;
    std::string terminator;
    std::int64_t formCount;
    std::string text;

    friend bool operator==(const Sentence&, const Sentence&) = default;
};

std::vector<Sentence> sentencesOf(const SentenceReport& report)
{
    std::vector<Sentence> sentences;
    for (const SentenceRecord& record : report.sentences)
        sentences.push_back({record.number, std::string(record.terminator), record.formCount, std::string(record.text)});
    return sentences;
}

struct SentenceCase {
    const char* name;
    std::string text;
    std::vector<Sentence> sentences;
    std::int64_t tokenCount;
    std::optional<double> meanLength;
};

class SentenceExamples : public testing::TestWithParam<SentenceCase> {};

TEST_P(SentenceExamples, CutTheTextAtEveryTerminator)
{
    const SentenceReport report = sentenceReport(GetParam().text);
    EXPECT_EQ(sentencesOf(report), GetParam().sentences);
    EXPECT_EQ(report.sentenceCount, static_cast<std::int64_t>(GetParam().sentences.size()));
    EXPECT_EQ(report.tokenCount, GetParam().tokenCount);
    EXPECT_EQ(report.meanLength, GetParam().meanLength);
}

INSTANTIATE_TEST_SUITE_P(Sentences, SentenceExamples, testing::Values(
    SentenceCase{"ThreeSentences", "Il pleut. Vient-il ? Oui.",
                 {{1, ".", 2, "Il pleut."}, {2, "?", 2, " Vient-il ?"}, {3, ".", 1, " Oui."}}, 5, 1.67},
    SentenceCase{"NoTerminator", "Bonjour le monde\r\n", {{1, "", 3, "Bonjour le monde\r\n"}}, 3, 3.0},
    SentenceCase{"LettersAfterTheLastTerminator", "Oui. Non", {{1, ".", 1, "Oui."}, {2, "", 1, " Non"}}, 2, 1.0},
    SentenceCase{"TerminatorsWithoutLetters", "Bonjour...",
                 {{1, ".", 1, "Bonjour."}, {2, ".", 0, "."}, {3, ".", 0, "."}}, 1, 0.33},
    SentenceCase{"QuestionThenExclamation", "Quoi?!", {{1, "?", 1, "Quoi?"}, {2, "!", 0, "!"}}, 1, 0.5},
    SentenceCase{"FullStopInANumber", "Pi vaut 3.14 environ.", {{1, ".", 2, "Pi vaut 3."}, {2, ".", 1, "14 environ."}},
                 3, 1.5},
    SentenceCase{"OtherMarksDoNotEnd", "Un; deux: trois\x85 \"quatre\"\r\nfin", {{1, "", 5, "Un; deux: trois\x85 \"quatre\"\r\nfin"}},
                 5, 5.0},
    SentenceCase{"TrailingBlanksMakeNoSentence", "Oui. \r\n", {{1, ".", 1, "Oui."}}, 1, 1.0},
    SentenceCase{"MeanHalfGoesToEven", "Un. . . . . . . .", // 1 / 8 = 0.125
                 {{1, ".", 1, "Un."}, {2, ".", 0, " ."}, {3, ".", 0, " ."}, {4, ".", 0, " ."}, {5, ".", 0, " ."},
                  {6, ".", 0, " ."}, {7, ".", 0, " ."}, {8, ".", 0, " ."}}, 1, 0.12},
    SentenceCase{"NoLetterNoTerminator", "2001 ; 2002\r\n", {}, 0, std::nullopt},
    SentenceCase{"Empty", "", {}, 0, std::nullopt}
), [](const testing::TestParamInfo<SentenceCase>& info) { return info.param.name; });

// The computation as the window does it, character by character, copying every text.
std::vector<Sentence> sentencesCharacterByCharacter(std::string_view text)
{
    std::vector<Sentence> sentences;
    std::string pending;
    std::string sentenceText;
    std::int64_t formCount = 0;
    bool sawLetter = false;
    for (const char c : text) {
        if (isLetter(c)) {
            pending += c;
            sawLetter = true;
            continue;
        }
        if (!pending.empty())
            ++formCount;
        sentenceText += pending + c;
        pending.clear();
        if (c == '.' || c == '?' || c == '!') {
            sentences.push_back({static_cast<std::int64_t>(sentences.size()) + 1, std::string(1, c), formCount, sentenceText});
            sentenceText.clear();
            formCount = 0;
            sawLetter = false;
        }
    }
    if (!pending.empty()) {
        ++formCount;
        sentenceText += pending;
    }
    if (sawLetter)
        sentences.push_back({static_cast<std::int64_t>(sentences.size()) + 1, "", formCount, sentenceText});
    return sentences;
}

class SentencesOfRealTexts : public testing::TestWithParam<std::string> {};

TEST_P(SentencesOfRealTexts, EqualTheCharacterByCharacterComputation)
{
    const std::string text = test::realText(GetParam());
    const SentenceReport report = sentenceReport(text);
    EXPECT_EQ(sentencesOf(report), sentencesCharacterByCharacter(text));
    EXPECT_EQ(report.tokenCount, countForms(text));
}

INSTANTIATE_TEST_SUITE_P(Corpus, SentencesOfRealTexts, testing::ValuesIn(test::realTextNames()));

} // namespace
} // namespace quorvelle
