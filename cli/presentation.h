// What the command line asks of the way reports are presented.
#pragma once

#include "core/reports/specificity_report.h"

namespace quorvelle::cli {

struct Presentation {
    /// From which specificity a form is shown as specific (--threshold).
    double specificityThreshold = defaultSpecificityThreshold;
};

} // namespace quorvelle::cli
