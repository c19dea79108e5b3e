// The table of statistics: each computes its report once and presents it.
#include "cli/statistics.h"

#include "cli/json_output.h"
#include "cli/text_output.h"
#include "core/character_counts.h"
#include "core/vocabulary_report.h"

#include <algorithm>
#include <array>

namespace quorvelle::cli {
namespace {

// Binds a report function of the first text to its two presentations.
template <auto report>
std::string firstTextAsText(const Texts& texts)
{
    return toText(report(texts.first));
}

template <auto report>
Json firstTextAsJson(const Texts& texts)
{
    return toJson(report(texts.first));
}

constexpr std::array statisticTable = {
    Statistic{"counts", "nombre de caractères et de mots", false,
              firstTextAsText<countCharacters>, firstTextAsJson<countCharacters>},
    Statistic{"vocabulary", "liste du vocabulaire", false,
              firstTextAsText<vocabularyReport>, firstTextAsJson<vocabularyReport>},
};

bool appliesTo(const Statistic& statistic, const Texts& texts)
{
    return !statistic.needsSecondText || texts.second.has_value();
}

} // namespace

std::span<const Statistic> statistics()
{
    return statisticTable;
}

const Statistic* findStatistic(std::string_view name)
{
    const auto found = std::find_if(statisticTable.begin(), statisticTable.end(),
                                    [name](const Statistic& statistic) { return statistic.name == name; });
    return found == statisticTable.end() ? nullptr : &*found;
}

std::string allAsText(const Texts& texts)
{
    std::string text;
    for (const Statistic& statistic : statisticTable) {
        if (!appliesTo(statistic, texts))
            continue;
        if (!text.empty())
            text += '\n';
        text += "== " + std::string(statistic.name) + " ==\n" + statistic.text(texts);
    }
    return text;
}

Json allAsJson(const Texts& texts)
{
    Json all = Json::object();
    for (const Statistic& statistic : statisticTable)
        if (appliesTo(statistic, texts))
            all[std::string(statistic.name)] = statistic.json(texts);
    return all;
}

} // namespace quorvelle::cli
