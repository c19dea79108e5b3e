// The lemmas of a text with their categories and forms, and the profile of its categories.
#pragma once

#include "core/lemmas/lemmatized_text.h"
#include "core/reports/concordance.h"
#include "core/text/tokenized_text.h"
#include "core/text/vocabulary.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorvelle {

/// One lemma of the text.
struct LemmaRow {
    LemmatizedText::Id number = 0; ///< its number in the lemmatized text
    std::string lemma;             ///< code page 1252
    WordCategory category = WordCategory::Unknown;
    std::int64_t count = 0;     ///< its attestations: the occurrences read as it
    std::int64_t formCount = 0; ///< how many forms it has in the text
    /// Its forms, by attestations then in alphabetical order; a word written across an
    /// apostrophe with it (aujourd'hui).
    std::vector<FormCount> forms;
    std::int64_t ambiguous = 0;      ///< occurrences that could have been read otherwise
    std::vector<Lemma> alternatives; ///< what else they could have been, as they were met
    /// The alternatives as a reader reads them: "est (nom), été (nom)"; empty without any.
    std::string otherReadings;
};

/// How many occurrences and lemmas of the text fall in one category.
struct CategoryRow {
    WordCategory category = WordCategory::Unknown;
    std::int64_t count = 0;    ///< occurrences
    std::int64_t distinct = 0; ///< lemmas
    double share = 0;          ///< count per 100 words, to two decimals
};

struct LemmaReport {
    /// The words read: the forms of the text, a word written across an apostrophe counted once.
    std::int64_t wordCount = 0;
    std::vector<LemmaRow> lemmas;        ///< by attestations, then lemmas in alphabetical order
    std::vector<CategoryRow> categories; ///< every category, in the order of allWordCategories
    std::vector<FormCount> unknown;      ///< the forms read as unknown, by attestations
};

/// A text's lemmatization with its report, as a window keeps them to show a lemma in context.
struct LemmaAnalysis {
    std::shared_ptr<const LemmatizedText> lemmatized;
    LemmaReport report;
};

/// The lemmas, the profile and the unknown forms of a lemmatized text (tokens as lemmatize
/// read them).
LemmaReport lemmaReport(const TokenizedText& tokens, const LemmatizedText& lemmatized);

/// The places in report.lemmas of its rows in alphabetical order of their lemmas (French
/// collation, then category).
std::vector<std::size_t> alphabeticalLemmaOrder(const LemmaReport& report);

/// The numbers of the lemmas written lemma (code page 1252), whatever their category: « être »
/// the verb and the auxiliary.
std::vector<LemmatizedText::Id> lemmasWritten(const LemmatizedText& lemmatized, std::string_view lemma);

/// For each occurrence, whether it is read as one of the lemmas; the end of a word written across
/// an apostrophe (aujourd'hui) with the form before it.
std::vector<bool> occurrencesOf(const LemmatizedText& lemmatized, std::span<const LemmatizedText::Id> lemmas);

/// The occurrences of lemmas in context, whatever their form: those read as one of them, in the
/// text's order, a word written across an apostrophe (aujourd'hui) whole. concordance.form is the
/// first lemma; concordance.lemma says it as a reader reads it, with its category when there is
/// one lemma, "être (verbe)", without when there are several, "être".
Concordance lemmaConcordance(std::string_view text, const TokenizedText& tokens, const LemmatizedText& lemmatized,
                             std::span<const LemmatizedText::Id> lemmas, ConcordanceContext context);

} // namespace quorvelle
