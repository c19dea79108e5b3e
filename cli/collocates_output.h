// Text, JSON and CSV output of the forms around a pivot form.
#pragma once

#include "cli/csv_writer.h"
#include "cli/json_writer.h"
#include "core/reports/collocate_report.h"

#include <ostream>

namespace quorvelle::cli {

/// The collocates of a pivot, and the thresholds that choose those a listing shows.
struct CollocateListing {
    CollocateReport report;
    CollocateThresholds thresholds;
};

/// N, the pivot's attestations, t, the span and whether it stops at the sentence's ends, the
/// thresholds and how many collocates reach them, then the table of those collocates.
void writeText(std::ostream& out, const CollocateListing& listing);
/// {"pivot", "span", "withinSentence", "tokenCount", "pivotAttestations", "spanForms",
/// "collocates": [{"form", "count", "attestations", "score"}, …]} with every collocate, the
/// thresholds aside, in the report's order, the score in full precision.
void writeJson(JsonWriter& json, const CollocateListing& listing);
/// The table of the collocates that reach the thresholds.
void writeCsv(CsvWriter& csv, const CollocateListing& listing);

} // namespace quorvelle::cli
