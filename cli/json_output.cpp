// Building the JSON objects of the reports.
#include "cli/json_output.h"

#include "core/encoding.h"
#include "core/number_format.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

namespace quorvelle::cli {

Json jsonNumber(double value)
{
    // Written at 15 significant digits and read back, so that the shortest form that
    // nlohmann writes is the one the program shows (0.8, not 0.80000000000000004).
    const std::string shown = formatNumber(value, '.');
    double rounded = 0;
    std::from_chars(shown.data(), shown.data() + shown.size(), rounded);
    constexpr double integerLimit = 9007199254740992.0; // 2^53: every integer below is exact
    if (shown.find('.') == std::string::npos && rounded > -integerLimit && rounded < integerLimit)
        return static_cast<std::int64_t>(rounded);
    return rounded;
}

Json jsonNumber(const std::optional<double>& value)
{
    return value ? jsonNumber(*value) : Json(nullptr);
}

Json jsonFormCounts(const std::vector<FormCount>& forms)
{
    Json rows = Json::array();
    for (const FormCount& form : forms)
        rows.push_back(Json::array({cp1252ToUtf8(form.form), form.count}));
    return rows;
}

Json toJson(const CharacterCounts& counts)
{
    return {
        {"alphabetic", counts.alphabetic},
        {"numeric", counts.numeric},
        {"special", counts.special},
        {"total", counts.total},
        {"words", counts.words},
    };
}

Json toJson(const VocabularyReport& report)
{
    return {
        {"tokenCount", report.tokenCount},
        {"distinctCount", report.distinctCount},
        {"meanFrequency", jsonNumber(report.meanFrequency)},
        {"alphabetical", jsonFormCounts(report.alphabetical)},
        {"byFrequency", jsonFormCounts(report.byFrequency)},
    };
}

} // namespace quorvelle::cli
