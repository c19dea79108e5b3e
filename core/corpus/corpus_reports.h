// What a corpus's parts are made of, what each says more or less than the corpus, and how a
// form moves through them.
#pragma once

#include "core/corpus/lexical_table.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvelle {

/// A column of the table: its forms N, distinct forms V, hapaxes, and its share of the corpus.
struct PartSize {
    std::string name;
    std::int64_t tokens = 0;
    std::int64_t distinct = 0;
    std::int64_t hapax = 0;        ///< forms attested once in the part
    std::optional<double> share;   ///< N / T, from 0 to 1; none for an empty corpus

    friend bool operator==(const PartSize&, const PartSize&) = default;
};

struct CorpusPartsReport {
    std::int64_t tokens = 0;   ///< T
    std::int64_t distinct = 0; ///< the distinct forms of the corpus
    std::vector<PartSize> parts;
};

CorpusPartsReport corpusPartsReport(const LexicalTable& table);

/// A form's attestations f in a part of t forms against its F in the corpus of T, and the
/// specificity of f: Lafon's, f of the part's t forms drawn from the corpus's T of which F are
/// the form (see keyness_scores.h), positive when the part uses the form more than its size
/// predicts.
struct PartSpecificForm {
    std::string form;
    std::int64_t f = 0;
    std::int64_t F = 0;
    double expected = 0; ///< F t / T
    double specificity = 0;

    friend bool operator==(const PartSpecificForm&, const PartSpecificForm&) = default;
};

/// Every form of the corpus in one column, f = 0 included.
struct PartSpecificities {
    std::string part;
    std::int64_t t = 0;
    std::int64_t T = 0;
    /// By specificity decreasing, forms of equal specificity in alphabetical order.
    std::vector<PartSpecificForm> forms;
};

/// The specificities of every form of the corpus in the column at place.
PartSpecificities partSpecificities(const LexicalTable& table, std::size_t column);

/// The specificity of attestations f in a part of t forms, for a form of F attestations in a
/// corpus of T forms.
double partSpecificity(std::int64_t f, std::int64_t t, std::int64_t F, std::int64_t T);

/// A form in one column: its attestations, their frequency per 10 000 forms, its specificity.
struct ProgressionStep {
    std::string form;
    std::string part;
    std::int64_t count = 0;
    std::int64_t tokens = 0;
    std::optional<double> per10000; ///< none for an empty part
    double specificity = 0;

    friend bool operator==(const ProgressionStep&, const ProgressionStep&) = default;
};

/// A form across the columns, in corpus order.
struct FormProgression {
    std::string form;       ///< as the table holds it
    std::int64_t total = 0; ///< F, 0 for a form the corpus does not hold
    std::vector<ProgressionStep> steps;
};

/// The progression of the form through the table's columns: the form as written when the table
/// holds it (a lemma with a capital), else lower-cased.
FormProgression formProgression(const LexicalTable& table, std::string_view form);

} // namespace quorvelle
