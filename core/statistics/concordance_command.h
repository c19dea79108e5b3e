// The concordance: every occurrence of a form in its context.
#pragma once

#include "core/catalogue/statistic_register.h"
#include "core/catalogue/table_columns.h"
#include "core/reports/concordance.h"

#include <array>
#include <cstddef>

namespace quorvelle {

/// The occurrences, each with its line and the contexts on either side.
inline constexpr std::array concordanceColumns = {
    memberColumn<&ConcordanceLine::line>("Ligne"),
    Column<ConcordanceLine>{
        "Contexte gauche", CellKind::LeadingText,
        [](const ConcordanceLine& line, std::size_t) -> Cell { return std::string_view(line.left); }},
    memberColumn<&ConcordanceLine::form>("Forme"),
    memberColumn<&ConcordanceLine::right>("Contexte droit"),
};

struct ConcordanceCommand {
    static constexpr const FormCommandInfo& info = registered::concordance;
};

} // namespace quorvelle
