// The forms per doubled letter, a key per doubled letter.
#include "cli/doubled_letters_output.h"

#include "cli/key_distribution_output.h"

namespace quorvelle::cli {
namespace {

constexpr KeyCaptions captions{"Lettres :", "Lettres", "Formes par lettre redoublée"};

} // namespace

void StatisticWriters<DoubledLettersStatistic>::writeText(std::ostream& out, const DoubledLetterReport& report)
{
    writeDistributionText(out, report, DoubledLettersStatistic::table, captions);
}

void StatisticWriters<DoubledLettersStatistic>::writeJson(JsonWriter& json, const DoubledLetterReport& report)
{
    writeDistributionJson(json, report);
}

void StatisticWriters<DoubledLettersStatistic>::writeCsv(CsvWriter& csv, const DoubledLetterReport& report)
{
    writeDistributionCsv(csv, report, DoubledLettersStatistic::table, captions);
}

} // namespace quorvelle::cli
