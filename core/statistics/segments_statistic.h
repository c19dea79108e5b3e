// Runs of consecutive forms within a sentence attested more than once.
#pragma once

#include "core/catalogue/statistic_register.h"
#include "core/catalogue/table_columns.h"
#include "core/reports/repeated_segments.h"
#include "core/text/analysed_texts.h"

#include <array>

namespace quorvelle {

/// Its report depends on options; without them, the segments of 2 to 8 forms attested twice or
/// more.
struct SegmentsStatistic {
    static constexpr const StatisticInfo& info = registered::segments;
    static RepeatedSegmentsReport report(const AnalysedTexts& texts, const SegmentOptions& options = {})
    {
        return repeatedSegments(texts.first(), texts.firstTokens(), options);
    }
    static constexpr std::array columns = {
        memberColumn<&RepeatedSegment::written>("Segment"),
        memberColumn<&RepeatedSegment::frequency>("Fréquence"),
        memberColumn<&RepeatedSegment::length>("Longueur"),
    };
    static constexpr TableColumns<RepeatedSegment> table{info.title, columns};
};

} // namespace quorvelle
