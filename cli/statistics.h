// The catalogue's statistics with their text, JSON and CSV presentations.
#pragma once

#include "cli/csv_writer.h"
#include "cli/json_writer.h"
#include "cli/presentation.h"
#include "core/catalogue/statistic_register.h"
#include "core/text/analysed_texts.h"

#include <ostream>
#include <span>
#include <string_view>

namespace quorvelle::cli {

/// A statistic of the catalogue as quorvelle-cli writes it.
struct Statistic {
    StatisticInfo info;
    /// Computes the report and writes it as French text (UTF-8).
    void (*writeText)(const AnalysedTexts&, const Presentation&, std::ostream&);
    /// Computes the report and writes it as one JSON value.
    void (*writeJson)(const AnalysedTexts&, const Presentation&, JsonWriter&);
    /// Computes the report and writes its tables as CSV.
    void (*writeCsv)(const AnalysedTexts&, const Presentation&, CsvWriter&);
};

/// Every statistic, in the order the usage text and `all` list them.
std::span<const Statistic> statistics();

/// The statistic of that name, or nullptr.
const Statistic* findStatistic(std::string_view name);

/// The name of the statistic that gathers all the others.
inline constexpr std::string_view allStatisticsName = "all";

/// Every statistic that applies to the texts, each under its heading (text) or its name
/// (JSON), or its tables one after the other (CSV); the comparison only when there is a
/// second text. With more than one job, up to jobs statistics are computed at once, each on
/// its own thread; the output is the same.
void writeAllAsText(const AnalysedTexts& texts, const Presentation& presentation, std::ostream& out, unsigned jobs);
void writeAllAsJson(const AnalysedTexts& texts, const Presentation& presentation, JsonWriter& json, unsigned jobs);
void writeAllAsCsv(const AnalysedTexts& texts, const Presentation& presentation, std::ostream& out, unsigned jobs);

} // namespace quorvelle::cli
