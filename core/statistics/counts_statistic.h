// The numbers of characters and of words, as the main window's "&Outils" gives them.
#pragma once

#include "core/catalogue/statistic_register.h"
#include "core/reports/character_counts.h"
#include "core/text/analysed_texts.h"

namespace quorvelle {

struct CountsStatistic {
    static constexpr const StatisticInfo& info = registered::counts;
    static CharacterCounts report(const AnalysedTexts& texts)
    {
        return countCharacters(texts.first(), texts.letters());
    }
};

} // namespace quorvelle
