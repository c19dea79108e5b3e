// The orders of a concordance's occurrences: by their own forms or by the forms around them.
#pragma once

#include "core/reports/concordance.h"

#include <cstddef>
#include <span>
#include <vector>

namespace quorvelle {

/// A form that places an occurrence among the others: its own form, the pivot, or one of the
/// three forms before it (to its left) or after it (to its right), counted from it, as far as
/// its contexts show them.
enum class ConcordanceKey : signed char {
    ThirdLeft = -3,
    SecondLeft = -2,
    FirstLeft = -1,
    Pivot = 0,
    FirstRight = 1,
    SecondRight = 2,
    ThirdRight = 3,
};

/// The most keys an order has.
inline constexpr std::size_t mostConcordanceKeys = 3;

/// The occurrences' places in the order of the keys: by the first key's form, lower-cased, in
/// French alphabetical order (see FrenchCollator), then among those with the same form by the
/// second key's, and so on; occurrences alike on every key keep the text's order, and one whose
/// context holds no form for a key comes first for that key. Without keys, the text's order.
/// The pivot of several forms is those forms separated by a space.
std::vector<std::size_t> concordanceOrder(const Concordance& concordance, std::span<const ConcordanceKey> keys);

} // namespace quorvelle
