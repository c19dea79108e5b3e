// The concordance: every occurrence of a form in its context.
#pragma once

#include "core/catalogue/statistic_register.h"
#include "core/catalogue/table_columns.h"
#include "core/reports/concordance.h"
#include "core/reports/concordance_order.h"

#include <array>
#include <cstddef>
#include <string_view>

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

/// A key the occurrences may be sorted by, as the command line writes it and as the window
/// names it.
struct ConcordanceKeyName {
    ConcordanceKey key;
    std::string_view code; ///< "1G": the first form to the left
    std::string_view name; ///< "1re forme à gauche"
};

/// Every key, from the farthest form to the left to the farthest to the right.
inline constexpr std::array concordanceKeyNames = {
    ConcordanceKeyName{ConcordanceKey::ThirdLeft, "3G", "3e forme à gauche"},
    ConcordanceKeyName{ConcordanceKey::SecondLeft, "2G", "2e forme à gauche"},
    ConcordanceKeyName{ConcordanceKey::FirstLeft, "1G", "1re forme à gauche"},
    ConcordanceKeyName{ConcordanceKey::Pivot, "P", "Pivot"},
    ConcordanceKeyName{ConcordanceKey::FirstRight, "1D", "1re forme à droite"},
    ConcordanceKeyName{ConcordanceKey::SecondRight, "2D", "2e forme à droite"},
    ConcordanceKeyName{ConcordanceKey::ThirdRight, "3D", "3e forme à droite"},
};

struct ConcordanceCommand {
    static constexpr const FormCommandInfo& info = registered::concordance;
};

} // namespace quorvelle
