// The forms per letter of the alphabet, a key per letter.
#include "cli/letters_output.h"

#include "cli/key_distribution_output.h"

namespace quorvelle::cli {
namespace {

constexpr KeyCaptions captions{"Lettres :", "Lettres", "Formes par lettre de l'alphabet"};

} // namespace

void StatisticWriters<LettersStatistic>::writeText(std::ostream& out, const LetterReport& report)
{
    writeDistributionText(out, report, LettersStatistic::table, captions);
}

void StatisticWriters<LettersStatistic>::writeJson(JsonWriter& json, const LetterReport& report)
{
    writeDistributionJson(json, report);
}

void StatisticWriters<LettersStatistic>::writeCsv(CsvWriter& csv, const LetterReport& report)
{
    writeDistributionCsv(csv, report, LettersStatistic::table, captions);
}

} // namespace quorvelle::cli
