// Text, JSON and CSV output shared by the forms per letter, per doubled letter and per letter pair.
#pragma once

#include "cli/csv_writer.h"
#include "cli/json_writer.h"
#include "core/catalogue/table_columns.h"
#include "core/reports/key_distribution.h"

#include <ostream>
#include <string_view>

namespace quorvelle::cli {

/// What tells the three windows of forms per key apart, besides their table.
struct KeyCaptions {
    std::string_view key;        ///< the label of the combo box
    std::string_view keyHeading; ///< the key's column in a table
    std::string_view formsTitle; ///< the title of the table of the rows' forms
};

/// Each key in the combo box's order: its two columns, then the forms of each row under the
/// row's count.
void writeDistributionText(std::ostream& out, const KeyDistribution& distribution,
                           const TableColumns<OccurrenceRow>& table, const KeyCaptions& captions);
/// One JSON shape for the three: keys, counts per key, forms per key and count.
void writeDistributionJson(JsonWriter& json, const KeyDistribution& distribution);
/// Two tables: the rows of every key, then the forms of every row.
void writeDistributionCsv(CsvWriter& csv, const KeyDistribution& distribution, const TableColumns<OccurrenceRow>& table,
                          const KeyCaptions& captions);

} // namespace quorvelle::cli
