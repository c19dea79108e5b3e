// The statistics quorvelle-cli knows, each with its text and JSON presentation.
#pragma once

#include "cli/json_output.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quorvelle::cli {

/// The code page 1252 texts a statistic runs on; second is there only when the command
/// line names a second file.
struct Texts {
    std::string first;
    std::optional<std::string> second;
};

struct Statistic {
    std::string_view name;
    std::string_view description; ///< French, for the usage text
    bool needsSecondText;
    std::string (*text)(const Texts&);              ///< French, UTF-8
    Json (*json)(const Texts&);
};

/// Every statistic, in the order the usage text and `all` list them.
std::span<const Statistic> statistics();

/// The statistic of that name, or nullptr.
const Statistic* findStatistic(std::string_view name);

/// The name of the statistic that gathers all the others.
inline constexpr std::string_view allStatisticsName = "all";

/// Every statistic that applies to the texts, each under its heading (text) or its name (JSON).
std::string allAsText(const Texts& texts);
Json allAsJson(const Texts& texts);

} // namespace quorvelle::cli
