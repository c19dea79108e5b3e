// Text, JSON and CSV output of the frequency-based statistics and of the comparison of two texts.
#pragma once

#include "cli/csv_writer.h"
#include "cli/json_writer.h"
#include "core/reports/cooccurrence_report.h"
#include "core/reports/enrichment_report.h"
#include "core/reports/frequency_report.h"
#include "core/reports/sentence_report.h"
#include "core/reports/vocabulary_comparison.h"

#include <ostream>
#include <string_view>

namespace quorvelle::cli {

void writeText(std::ostream& out, const FrequencyReport& report);
void writeJson(JsonWriter& json, const FrequencyReport& report);
void writeCsv(CsvWriter& csv, const FrequencyReport& report);

void writeText(std::ostream& out, const CooccurrenceReport& report);
void writeJson(JsonWriter& json, const CooccurrenceReport& report);
void writeCsv(CsvWriter& csv, const CooccurrenceReport& report);

void writeText(std::ostream& out, const SentenceListing& listing);
void writeJson(JsonWriter& json, const SentenceListing& listing);
void writeCsv(CsvWriter& csv, const SentenceListing& listing);

void writeText(std::ostream& out, const EnrichmentReport& report);
void writeJson(JsonWriter& json, const EnrichmentReport& report);
void writeCsv(CsvWriter& csv, const EnrichmentReport& report);

void writeText(std::ostream& out, const VocabularyComparison& comparison);
void writeJson(JsonWriter& json, const VocabularyComparison& comparison);
void writeCsv(CsvWriter& csv, const VocabularyComparison& comparison);

} // namespace quorvelle::cli
