// Sentence lengths: the text cut at every full stop, question mark and exclamation mark.
#pragma once

#include "core/text/letters.h"
#include "core/text/work_cancellation.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace quorvelle {

/// One sentence, numbered by its place in the text from 1. Its text is a view into the
/// analysed text, which must outlive the record.
struct SentenceRecord {
    /// Every character from the one after the previous terminator (or the start of the
    /// text) to its own terminator included, line ends and blanks as they are.
    std::string_view text;
    std::int64_t formCount = 0;

    /// ".", "?" or "!", the mark that closed the sentence (the last character of its text);
    /// empty for a last sentence that the end of the text closed.
    std::string_view terminator() const;

    friend bool operator==(const SentenceRecord&, const SentenceRecord&) = default;
};

/// Whether c closes a sentence: a full stop, a question mark or an exclamation mark.
constexpr bool isSentenceTerminator(char c)
{
    return c == '.' || c == '?' || c == '!';
}

/// The decimals of the mean sentence length.
inline constexpr int meanSentenceLengthDecimals = 2;

/// What the sentences of a text add up to.
struct SentenceTotals {
    std::int64_t sentenceCount = 0;
    std::int64_t tokenCount = 0; ///< the forms of all the sentences: N
    /// tokenCount / sentenceCount rounded to meanSentenceLengthDecimals, halves to the even
    /// neighbour; none without a sentence.
    std::optional<double> meanLength;

    friend bool operator==(const SentenceTotals&, const SentenceTotals&) = default;
};

/// The sentences of a text and their totals. The report refers to the text it was computed
/// from: keep that text alive, unchanged, as long as the report is read.
struct SentenceReport : SentenceTotals {
    std::vector<SentenceRecord> sentences;

    friend bool operator==(const SentenceReport&, const SentenceReport&) = default;
};

/// Calls visit with each sentence of text in order, keeping none: a large text has a million
/// sentences, which the command line writes as it finds them.
///
/// A terminator closes a sentence even when no letter came since the previous one
/// ("Bonjour..." makes three sentences). Characters after the last terminator make a last
/// sentence only when they hold a letter.
template <class Visit>
void forEachSentence(std::string_view text, LetterRule letters, Visit visit)
{
    const Alphabet& alphabet = Alphabet::of(letters);
    std::size_t sentenceStart = 0;
    std::int64_t formCount = 0;
    bool inForm = false;    // the previous character was a letter
    bool sawLetter = false; // a letter came since the sentence started
    const auto closeSentence = [&](std::size_t end) {
        visit(SentenceRecord{text.substr(sentenceStart, end - sentenceStart), formCount});
        sentenceStart = end;
        formCount = 0;
        sawLetter = false;
    };
    forEachChunkUnlessCancelled(text.size(), [&](std::size_t begin, std::size_t end) {
        for (std::size_t index = begin; index < end; ++index) {
            const char c = text[index];
            if (alphabet.isLetter(c)) {
                inForm = true;
                sawLetter = true;
                continue;
            }
            if (inForm)
                ++formCount;
            inForm = false;
            if (isSentenceTerminator(c))
                closeSentence(index + 1);
        }
    });
    // A run of letters that reaches the end of the text is a form like any other.
    if (inForm)
        ++formCount;
    if (sawLetter)
        closeSentence(text.size());
}

/// The sentence of text, cut as forEachSentence cuts them, that holds the characters from
/// byte start to byte end (the sentences, when they hold a terminator), without the blanks and
/// line ends around it; no more than reach characters on either side of them.
std::string_view sentenceAround(std::string_view text, std::size_t start, std::size_t end, std::size_t reach);

SentenceTotals sentenceTotals(std::string_view text, LetterRule letters = LetterRule::Classic);
SentenceReport sentenceReport(std::string_view text, LetterRule letters = LetterRule::Classic);

/// The sentences of a text, to be read as they are found: the text is read once for the
/// totals and once more for the sentences, and no list of them is kept, which on a large text
/// would take a quarter of its size.
struct SentenceListing {
    std::string_view text;
    LetterRule letters = LetterRule::Classic;
};

} // namespace quorvelle
