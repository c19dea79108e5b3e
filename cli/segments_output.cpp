// The repeated segments on the command line.
#include "cli/segments_output.h"

#include "cli/french_text.h"
#include "cli/table_output.h"
#include "core/presentation/french_messages.h"
#include "core/statistics/segments_statistic.h"

#include <string>

namespace quorvelle::cli {
namespace {

constexpr auto& table = SegmentsStatistic::table;

// "de 2 à 8 formes", "3 formes", "2 formes ou plus".
std::string lengthsOf(const SegmentOptions& options)
{
    const std::string shortest = std::to_string(options.minLength);
    if (!options.maxLength)
        return shortest + " formes ou plus";
    if (*options.maxLength == options.minLength)
        return shortest + " formes";
    return "de " + shortest + " à " + std::to_string(*options.maxLength) + " formes";
}

} // namespace

void StatisticWriters<SegmentsStatistic>::writeText(std::ostream& out, const RepeatedSegmentsReport& report)
{
    writeTitle(out, table.title);
    writeTotal(out, french::formCountCaption, report.tokenCount);
    writeTotal(out, "Longueur des segments :", lengthsOf(report.options));
    writeTotal(out, "Fréquence minimale :", report.options.minFrequency);
    writeTotal(out, "Segments maximaux seulement :", report.options.maximalOnly ? "oui" : "non");
    writeTotal(out, "Nombre de segments répétés :", report.segments.size());
    out << '\n';
    writeTextTable(out, table.columns, report.segments);
}

void StatisticWriters<SegmentsStatistic>::writeJson(JsonWriter& json, const RepeatedSegmentsReport& report)
{
    json.beginObject().key("segments").beginArray();
    for (const RepeatedSegment& segment : report.segments) {
        json.beginObject().key("forms").beginArray();
        // A form holds no space.
        std::size_t start = 0;
        for (std::size_t end = 0; end <= segment.forms.size(); ++end) {
            if (end < segment.forms.size() && segment.forms[end] != ' ')
                continue;
            json.text(segment.forms.substr(start, end - start));
            start = end + 1;
        }
        json.endArray()
            .member("text", segment.written)
            .member("frequency", segment.frequency)
            .member("length", segment.length)
            .endObject();
    }
    json.endArray().endObject();
}

void StatisticWriters<SegmentsStatistic>::writeCsv(CsvWriter& csv, const RepeatedSegmentsReport& report)
{
    writeCsvTable(csv, table, report.segments);
}

} // namespace quorvelle::cli
