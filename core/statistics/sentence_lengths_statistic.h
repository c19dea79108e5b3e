// The sentences of the text with their lengths in forms, and P, N and N / P.
#pragma once

#include "core/catalogue/figure.h"
#include "core/catalogue/statistic_register.h"
#include "core/catalogue/table_columns.h"
#include "core/explanations/sentence_explanations.h"
#include "core/presentation/french_messages.h"
#include "core/reports/sentence_report.h"
#include "core/text/analysed_texts.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace quorvelle {

struct SentenceLengthsStatistic {
    static constexpr const StatisticInfo& info = registered::sentenceLengths;
    static SentenceListing report(const AnalysedTexts& texts) { return {texts.first(), texts.letters()}; }
    /// A sentence's number is its place in the text.
    static constexpr std::array columns = {
        Column<SentenceRecord>{
            "N° phrase", CellKind::Count,
            [](const SentenceRecord&, std::size_t place) -> Cell { return static_cast<std::int64_t>(place + 1); }},
        Column<SentenceRecord>{"Ponctuation", CellKind::Text,
                               [](const SentenceRecord& sentence, std::size_t) -> Cell { return sentence.terminator(); }},
        memberColumn<&SentenceRecord::formCount>("Nombre de formes"),
    };
    static constexpr TableColumns<SentenceRecord> table{info.title, columns};
    /// P, N and N / P of the sentences.
    static constexpr std::array figures = {
        memberFigure<&SentenceTotals::sentenceCount>({.id = "sentenceCount",
                                                      .jsonKey = "sentenceCount",
                                                      .caption = french::sentenceCountCaption,
                                                      .explain = explainSentenceCount}),
        memberFigure<&SentenceTotals::tokenCount>({.id = "formCount",
                                                   .jsonKey = "tokenCount",
                                                   .caption = french::formCountCaption,
                                                   .explain = explainSentenceTokenCount}),
        memberFigure<&SentenceTotals::meanLength>({.id = "meanLength",
                                                   .jsonKey = "meanLength",
                                                   .caption = french::meanSentenceLengthCaption,
                                                   .format = FigureFormat::Rounded,
                                                   .explain = explainMeanSentenceLength}),
    };
};

/// The figures of a listing of sentences read the totals it counts again from its text.
inline SentenceTotals figureSubject(const SentenceListing& listing)
{
    return sentenceTotals(listing.text, listing.letters);
}

} // namespace quorvelle
