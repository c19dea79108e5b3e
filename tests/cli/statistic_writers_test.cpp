// A statistic without writers of its own is written as its descriptor describes it: its title,
// its figures and its table, in text, JSON and CSV.
#include "cli/statistic_writers.h"
#include "core/statistics/enrichment_statistic.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace quorvelle::test {
namespace {

// The slices of the enrichment, described as a new statistic would be.
struct SlicesStatistic {
    static constexpr StatisticInfo info{.name = "slices", .title = "Tranches"};
    static constexpr TableColumns<EnrichmentSlice> table{info.title, EnrichmentStatistic::columns};
    static constexpr const auto& figures = EnrichmentStatistic::figures;
    static const std::vector<EnrichmentSlice>& rows(const EnrichmentReport& report) { return report.slices; }
};
using Writers = cli::StatisticWriters<SlicesStatistic>;

const EnrichmentReport report = EnrichmentStatistic::report(AnalysedTexts(std::string("le chat et le chien")));

TEST(StatisticWriters, DescribedStatisticWritesItsTitleFiguresAndTable)
{
    std::ostringstream text;
    Writers::writeText(text, report);
    EXPECT_EQ(text.str(), "Tranches\n\n"
                          "Nombre total de formes : 5\n\n"
                          "Tranche(s)*\tNombre de formes nouvelles\n"
                          "1\t4\n");

    std::ostringstream json;
    cli::JsonWriter jsonWriter(json);
    Writers::writeJson(jsonWriter, report);
    EXPECT_EQ(json.str(), R"({"tokenCount":5,"rows":[[1,4]]})");

    std::ostringstream csv;
    cli::CsvWriter csvWriter(csv);
    Writers::writeCsv(csvWriter, report);
    EXPECT_EQ(csv.str(), "Tranches\r\nMesure;Valeur\r\nNombre total de formes;5\r\n\r\n"
                         "Tranches\r\nTranche(s)*;Nombre de formes nouvelles\r\n1;4\r\n\r\n");
}

} // namespace
} // namespace quorvelle::test
