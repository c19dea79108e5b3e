// Text, JSON and CSV output of a form's occurrences in context.
#pragma once

#include "cli/csv_writer.h"
#include "cli/json_writer.h"
#include "core/reports/concordance.h"

#include <ostream>

namespace quorvelle::cli {

/// A heading with the number of occurrences, then one line per occurrence: its line number,
/// the left context aligned on the form, the form, the right context.
void writeText(std::ostream& out, const Concordance& concordance);
/// {"form", "count", "occurrences": [{"line", "left", "form", "right"}, …]}.
void writeJson(JsonWriter& json, const Concordance& concordance);
/// One row per occurrence: line, left context, form, right context.
void writeCsv(CsvWriter& csv, const Concordance& concordance);

} // namespace quorvelle::cli
