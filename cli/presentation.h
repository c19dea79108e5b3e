// What the command line asks of the way reports are computed and presented.
#pragma once

#include "core/lemmas/lemma_tokens.h"
#include "core/reports/repeated_segments.h"
#include "core/reports/specificity_report.h"
#include "core/text/function_words.h"

namespace quorvelle::cli {

struct Presentation {
    /// From which specificity a form is shown as specific (--threshold).
    double specificityThreshold = defaultSpecificityThreshold;
    /// Which repeated segments are listed (--min-frequency, --min-length, --max-length, --maximal).
    SegmentOptions segments;
    /// Whether the text output ends with how the statistic's totals are computed (--explain).
    bool explain = false;
    /// What the specificities compare, the forms or the lemmas (--unit).
    CountingUnit unit = CountingUnit::Forms;
    /// The function words the lists leave out (--stoplist); none by default.
    FunctionWords setAside;
};

} // namespace quorvelle::cli
