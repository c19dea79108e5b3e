// Text, JSON and CSV output of the specificities of two texts.
#pragma once

#include "cli/csv_writer.h"
#include "cli/json_writer.h"
#include "core/reports/specificity_report.h"

#include <ostream>

namespace quorvelle::cli {

/// The sizes of the texts, the threshold and how many forms reach it in each text, then the
/// table of the forms that reach it.
void writeText(std::ostream& out, const SpecificityReport& report);
/// {"n1", "n2", "threshold", "forms": [{"form", "f1", "f2", "specificity", "g2", "logRatio"}]}
/// with every form, in full precision, ranked as the table.
void writeJson(JsonWriter& json, const SpecificityReport& report);
/// The table of the forms that reach the threshold.
void writeCsv(CsvWriter& csv, const SpecificityReport& report);

} // namespace quorvelle::cli
