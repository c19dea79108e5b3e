// Sentence lengths: the text cut at every full stop, question mark and exclamation mark.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace quorvelle {

/// One sentence. Its texts are views into the analysed text, which must outlive the record.
struct SentenceRecord {
    std::int64_t number = 0;     ///< 1 for the first sentence, then consecutive
    /// ".", "?" or "!", the mark that closed the sentence; empty for a last sentence that
    /// the end of the text closed.
    std::string_view terminator;
    std::int64_t formCount = 0;
    /// Every character from the one after the previous terminator (or the start of the
    /// text) to its own terminator included, line ends and blanks as they are.
    std::string_view text;

    friend bool operator==(const SentenceRecord&, const SentenceRecord&) = default;
};

/// The sentences of a text. The report refers to the text it was computed from: keep that
/// text alive, unchanged, as long as the report is read.
struct SentenceReport {
    std::vector<SentenceRecord> sentences;
    std::int64_t sentenceCount = 0;
    std::int64_t tokenCount = 0; ///< the forms of all the sentences: N
    /// tokenCount / sentenceCount rounded to two decimals, halves to the even neighbour;
    /// none without a sentence.
    std::optional<double> meanLength;

    friend bool operator==(const SentenceReport&, const SentenceReport&) = default;
};

/// A terminator closes a sentence even when no letter came since the previous one
/// ("Bonjour..." makes three sentences). Characters after the last terminator make a last
/// sentence only when they hold a letter.
SentenceReport sentenceReport(std::string_view text);

} // namespace quorvelle
