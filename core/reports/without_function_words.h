// Lists without their function words (« Sans les mots-outils »): the rows of a form of the list
// are left out, the totals stay those of the whole text.
#pragma once

#include "core/reports/collocate_report.h"
#include "core/reports/repeated_segments.h"
#include "core/reports/specificity_report.h"
#include "core/reports/vocabulary_report.h"
#include "core/text/function_words.h"

namespace quorvelle {

/// The vocabulary without the forms of words, in both orders; N, D and N / D unchanged.
VocabularyReport withoutFunctionWords(VocabularyReport report, const FunctionWords& words);

/// The repeated segments without those made only of function words (« de la », « qu il »); a
/// segment with one word of meaning stays (« de la mer »).
RepeatedSegmentsReport withoutFunctionWords(RepeatedSegmentsReport report, const FunctionWords& words);

/// The specificities without the forms (or lemmas) of words.
SpecificityReport withoutFunctionWords(SpecificityReport report, const FunctionWords& words);

/// The collocates without the forms of words; the pivot, its spans and their size unchanged.
CollocateReport withoutFunctionWords(CollocateReport report, const FunctionWords& words);

} // namespace quorvelle
