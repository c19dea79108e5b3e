// Scores and relative frequencies as the tables of the specificities and of the co-occurring
// forms show them.
#pragma once

#include "core/catalogue/table_columns.h"
#include "core/reports/rounding.h"

#include <optional>
#include <string_view>

namespace quorvelle {

/// A score to two decimals, nothing where a text without forms leaves it undefined.
inline Cell shownScore(std::optional<double> value)
{
    return value ? Cell(roundHalfEven(*value, 2)) : Cell(std::string_view());
}

} // namespace quorvelle
