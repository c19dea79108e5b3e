// The forms per pair of letters, a key per pair.
#include "cli/letter_pairs_output.h"

#include "cli/key_distribution_output.h"

namespace quorvelle::cli {
namespace {

constexpr KeyCaptions captions{"Associations :", "Associations", "Formes par association de lettres"};

} // namespace

void StatisticWriters<LetterPairsStatistic>::writeText(std::ostream& out, const LetterPairReport& report)
{
    writeDistributionText(out, report, LetterPairsStatistic::table, captions);
}

void StatisticWriters<LetterPairsStatistic>::writeJson(JsonWriter& json, const LetterPairReport& report)
{
    writeDistributionJson(json, report);
}

void StatisticWriters<LetterPairsStatistic>::writeCsv(CsvWriter& csv, const LetterPairReport& report)
{
    writeDistributionCsv(csv, report, LetterPairsStatistic::table, captions);
}

} // namespace quorvelle::cli
