// One version of a text and what every statistic starts from, shared between threads.
#pragma once

#include "core/text/tokenized_text.h"

#include <memory>
#include <mutex>
#include <optional>
#include <string>

namespace quorvelle {

/// A text in code page 1252, never changed once made, the rule that says which of its
/// characters are letters, and its forms, cut by that rule at most once for each need however
/// many statistics and threads read them. Holders share it through a
/// std::shared_ptr<const AnalysedText>: whoever still holds a result keeps its text alive.
class AnalysedText {
public:
    explicit AnalysedText(std::string text, LetterRule letters = LetterRule::Classic);
    /// Shares bytes another holder keeps too, without copying them.
    explicit AnalysedText(std::shared_ptr<const std::string> text, LetterRule letters = LetterRule::Classic);
    /// The same with the text's forms already cut, occurrences kept, by the rule they were cut by.
    AnalysedText(std::shared_ptr<const std::string> text, TokenizedText tokens);
    AnalysedText(const AnalysedText&) = delete;
    AnalysedText& operator=(const AnalysedText&) = delete;

    const std::string& text() const { return *text_; }
    /// The same bytes, for a holder that keeps them too, without copying them.
    std::shared_ptr<const std::string> sharedText() const { return text_; }
    /// The rule its forms are cut by, which every statistic of it follows.
    LetterRule letters() const { return letters_; }

    /// The text's forms, cut on the first call that needs them. With Occurrences::Counted,
    /// the forms as a kept tokenization has them when there is one, so that a text is cut a
    /// second time only when its occurrences are asked for after its counts. Safe from any
    /// thread: a caller that arrives while the forms are being cut waits for them.
    const TokenizedText& tokens(Occurrences needed = Occurrences::Kept) const;

private:
    std::shared_ptr<const std::string> text_;
    LetterRule letters_;
    mutable std::mutex mutex_;
    mutable std::optional<TokenizedText> counted_;
    mutable std::optional<TokenizedText> kept_;
};

/// An analysed text as its holders share it.
using SharedText = std::shared_ptr<const AnalysedText>;

/// The text analysed: its forms cut by the rule, occurrences kept, before anyone asks;
/// progress is told how far the cutting has gone, which stops once given up (see stopIfCancelled).
SharedText analyseText(std::shared_ptr<const std::string> text, LetterRule letters = LetterRule::Classic,
                       const WorkProgress& progress = {});

} // namespace quorvelle
