// Text, JSON and CSV output of the character counts and the vocabulary list.
#pragma once

#include "cli/csv_writer.h"
#include "cli/json_writer.h"
#include "core/reports/character_counts.h"
#include "core/reports/vocabulary_report.h"
#include "core/text/form_list.h"

#include <ostream>

namespace quorvelle::cli {

void writeText(std::ostream& out, const CharacterCounts& counts);
void writeJson(JsonWriter& json, const CharacterCounts& counts);
void writeCsv(CsvWriter& csv, const CharacterCounts& counts);

void writeText(std::ostream& out, const VocabularyReport& report);
void writeJson(JsonWriter& json, const VocabularyReport& report);
/// The forms in alphabetical order; a spreadsheet sorts them by frequency.
void writeCsv(CsvWriter& csv, const VocabularyReport& report);

/// [[form, count], …] in the given order.
void writeJson(JsonWriter& json, FormList forms);

} // namespace quorvelle::cli
