// Text, JSON and CSV output of the analyses of a corpus and of the progression of forms.
#pragma once

#include "cli/csv_writer.h"
#include "cli/json_writer.h"
#include "core/corpus/correspondence_analysis.h"
#include "core/corpus/corpus_reports.h"
#include "core/statistics/corpus_statistic.h"

#include <ostream>
#include <string>
#include <vector>

namespace quorvelle::cli {

/// What quorvelle-cli's `corpus` writes: the table's parts, each part's specificities (computed
/// one part at a time as they are written) and the correspondence analysis.
struct CorpusListing {
    const LexicalTable& table;
    std::string partition; ///< the variable grouping the parts, code page 1252; empty: each part
    double threshold = 0;  ///< the specificity the text and CSV show a form from
    CorpusPartsReport parts;
    CorrespondenceAnalysis analysis;
};

/// The parts, then each part's forms whose specificity reaches the threshold, then the eigenvalues.
void writeText(std::ostream& out, const CorpusListing& listing);
/// {"unit" (only "lemmas", when the table counts lemmas), "parts", "specificities", "ca"}:
/// every form of the corpus for every part, numbers in full precision.
void writeJson(JsonWriter& json, const CorpusListing& listing);
/// The tables of the parts, of each part's specific forms, of the factors and of the
/// coordinates, contributions and squared cosines of the parts and of the forms.
void writeCsv(CsvWriter& csv, const CorpusListing& listing);

/// What quorvelle-cli's `progression` writes: the forms followed, or the lemmas.
struct ProgressionListing {
    std::vector<FormProgression> progressions;
    bool ofLemmas = false;
};

/// Each form's attestations, frequency and specificity in every part.
void writeText(std::ostream& out, const ProgressionListing& listing);
/// {"unit" (only "lemmas", when lemmas are followed), "forms": [{"form", "F", "parts": [{"part",
/// "f", "t", "per10000", "specificity"}]}]}
void writeJson(JsonWriter& json, const ProgressionListing& listing);
void writeCsv(CsvWriter& csv, const ProgressionListing& listing);

} // namespace quorvelle::cli
