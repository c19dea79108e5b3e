// Text, JSON and CSV output of the dispersion of a form over the parts of the text.
#pragma once

#include "cli/csv_writer.h"
#include "cli/json_writer.h"
#include "core/reports/dispersion_report.h"

#include <ostream>

namespace quorvelle::cli {

/// N, the form's attestations, the number of parts, Juilland's D and Gries's DP (four
/// significant digits, "—" where undefined), then one line per part: its number, its forms
/// ("first–last", numbered from 1) and the attestations in it.
void writeText(std::ostream& out, const DispersionReport& report);
/// {"form", "tokenCount", "attestations", "parts": [{"firstForm", "formCount", "attestations"},
/// …], "juillandD", "griesDP"}: firstForm numbered from 1 as the text output numbers the forms
/// (where the part would start when it has none), the measures in full precision or null.
void writeJson(JsonWriter& json, const DispersionReport& report);
/// The table of the parts, as the dispersion window exports it.
void writeCsv(CsvWriter& csv, const DispersionReport& report);

} // namespace quorvelle::cli
