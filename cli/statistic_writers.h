// The writers of a statistic of the catalogue: the text, JSON and CSV of its report.
#pragma once

#include "cli/csv_writer.h"
#include "cli/json_writer.h"

namespace quorvelle::cli {

/// How quorvelle-cli writes the report of CatalogueEntry, a statistic of the catalogue. Each
/// statistic's output file specializes it with three static functions, writeText(std::ostream&,
/// const Report&), writeJson(JsonWriter&, const Report&) and writeCsv(CsvWriter&, const Report&);
/// it has no definition, so a statistic without writers does not compile.
template <class CatalogueEntry>
struct StatisticWriters;

} // namespace quorvelle::cli
