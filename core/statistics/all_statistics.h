// Every statistic's descriptor, in the register's order: what quorvelle-cli, the main window's
// menus, the tests and the benchmarks go through when they take every statistic in turn.
#pragma once

#include "core/catalogue/statistic_register.h"
#include "core/statistics/comparison_statistic.h"
#include "core/statistics/cooccurrences_statistic.h"
#include "core/statistics/counts_statistic.h"
#include "core/statistics/doubled_letters_statistic.h"
#include "core/statistics/enrichment_statistic.h"
#include "core/statistics/frequencies_statistic.h"
#include "core/statistics/lemmas_statistic.h"
#include "core/statistics/lengths_statistic.h"
#include "core/statistics/letter_pairs_statistic.h"
#include "core/statistics/letters_statistic.h"
#include "core/statistics/richness_statistic.h"
#include "core/statistics/segments_statistic.h"
#include "core/statistics/sentence_lengths_statistic.h"
#include "core/statistics/specificities_statistic.h"
#include "core/statistics/start_end_letters_statistic.h"
#include "core/statistics/vocabulary_statistic.h"
#include "core/statistics/zipf_statistic.h"

#include <cstddef>
#include <tuple>

namespace quorvelle {

/// Every statistic, in the order of the register.
using Statistics =
    std::tuple<CountsStatistic, VocabularyStatistic, LengthsStatistic, LettersStatistic, StartEndLettersStatistic,
               DoubledLettersStatistic, LetterPairsStatistic, FrequenciesStatistic, ZipfStatistic,
               CooccurrencesStatistic, SegmentsStatistic, SentenceLengthsStatistic, EnrichmentStatistic,
               ComparisonStatistic, SpecificitiesStatistic, RichnessStatistic, LemmasStatistic>;

/// Calls visit with a value of each statistic's type, in the register's order.
template <class Visit>
constexpr void forEachStatistic(Visit&& visit)
{
    std::apply([&visit](auto... statistic) { (visit(statistic), ...); }, Statistics{});
}

namespace detail {

// Whether the descriptors are those the register names, in its order.
constexpr bool followsTheRegister()
{
    std::size_t place = 0;
    bool follows = std::tuple_size_v<Statistics> == registeredStatistics.size();
    forEachStatistic([&](auto statistic) {
        follows = follows && place < registeredStatistics.size()
                  && &decltype(statistic)::info == registeredStatistics[place];
        ++place;
    });
    return follows;
}

} // namespace detail

static_assert(detail::followsTheRegister(), "every statistic of the register has its descriptor here, in its order");

} // namespace quorvelle
