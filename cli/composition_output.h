// Text, JSON and CSV output of the form-composition statistics: lengths, letters, first and
// last letters, doubled letters and pairs of letters.
#pragma once

#include "cli/csv_writer.h"
#include "cli/json_writer.h"
#include "core/reports/edge_letter_report.h"
#include "core/reports/key_distribution.h"
#include "core/reports/length_report.h"

#include <ostream>

namespace quorvelle::cli {

void writeText(std::ostream& out, const LengthReport& report);
void writeJson(JsonWriter& json, const LengthReport& report);
void writeCsv(CsvWriter& csv, const LengthReport& report);

void writeText(std::ostream& out, const LetterReport& report);
void writeText(std::ostream& out, const DoubledLetterReport& report);
void writeText(std::ostream& out, const LetterPairReport& report);
/// The three share one JSON shape: keys, counts per key, forms per key and count.
void writeJson(JsonWriter& json, const KeyDistribution& distribution);
void writeCsv(CsvWriter& csv, const LetterReport& report);
void writeCsv(CsvWriter& csv, const DoubledLetterReport& report);
void writeCsv(CsvWriter& csv, const LetterPairReport& report);

void writeText(std::ostream& out, const EdgeLetterReport& report);
void writeJson(JsonWriter& json, const EdgeLetterReport& report);
void writeCsv(CsvWriter& csv, const EdgeLetterReport& report);

} // namespace quorvelle::cli
