// The figures of the comparison of two texts: each figure of one text, read from either side
// of the comparison, and the count of the forms both share.
#pragma once

#include "core/catalogue/figure.h"
#include "core/explanations/comparison_explanations.h"
#include "core/reports/vocabulary_comparison.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace quorvelle {

/// A figure that each of the two texts compared has, read from its side of the comparison.
/// Its JSON members and window labels add the text's number to its id: commonShare1 and
/// commonShare2, commonShare1Label and commonShare2Label.
struct ComparedFigure {
    std::string_view id;
    std::string_view caption; ///< French, UTF-8: the figure for either text, as the comparison's table heads it
    FigureFormat format = FigureFormat::Count;
    FigureValue (*value)(const ComparedText&) = nullptr;
    FigureExplanation (*explain)(const VocabularyComparison&, std::size_t side, const ExplanationNumbers&) = nullptr;
};

/// The figure that reads a data member of a compared text.
template <auto member>
constexpr ComparedFigure comparedMemberFigure(ComparedFigure figure)
{
    figure.value = [](const ComparedText& text) -> FigureValue { return text.*member; };
    return figure;
}

inline constexpr ComparedFigure comparedTokenCount{
    .id = "tokenCount",
    .caption = "Nombre total de formes",
    .value = [](const ComparedText& text) -> FigureValue { return text.vocabulary.tokenCount; },
    .explain = explainComparedTokenCount};
inline constexpr ComparedFigure comparedDistinctCount{
    .id = "distinctCount",
    .caption = "Nombre total de formes différentes",
    .value = [](const ComparedText& text) -> FigureValue { return text.vocabulary.distinctCount; },
    .explain = explainComparedDistinctCount};
inline constexpr ComparedFigure properCountFigure = comparedMemberFigure<&ComparedText::properCount>(
    {.id = "properCount", .caption = "Formes différentes propres", .explain = explainProperCount});
inline constexpr ComparedFigure commonTokensFigure = comparedMemberFigure<&ComparedText::commonTokens>(
    {.id = "commonTokens", .caption = "Attestations des formes communes", .explain = explainCommonTokens});
inline constexpr ComparedFigure properTokensFigure = comparedMemberFigure<&ComparedText::properTokens>(
    {.id = "properTokens", .caption = "Attestations des formes propres", .explain = explainProperTokens});
inline constexpr ComparedFigure commonShareFigure =
    comparedMemberFigure<&ComparedText::commonShare>({.id = "commonShare",
                                                      .caption = "% du total des formes différentes",
                                                      .format = FigureFormat::Rounded,
                                                      .explain = explainCommonShare});
inline constexpr ComparedFigure properShareFigure =
    comparedMemberFigure<&ComparedText::properShare>({.id = "properShare",
                                                      .caption = "% du total des formes différentes",
                                                      .format = FigureFormat::Rounded,
                                                      .explain = explainProperShare});
inline constexpr ComparedFigure commonTokenShareFigure =
    comparedMemberFigure<&ComparedText::commonTokenShare>({.id = "commonTokenShare",
                                                           .caption = "% du total des attestations",
                                                           .format = FigureFormat::Rounded,
                                                           .explain = explainCommonTokenShare});
inline constexpr ComparedFigure properTokenShareFigure =
    comparedMemberFigure<&ComparedText::properTokenShare>({.id = "properTokenShare",
                                                           .caption = "% du total des attestations",
                                                           .format = FigureFormat::Rounded,
                                                           .explain = explainProperTokenShare});

/// C, the forms of both texts.
inline constexpr Figure<VocabularyComparison> commonCountFigure =
    memberFigure<&VocabularyComparison::commonCount>({.id = "commonCount",
                                                      .jsonKey = "commonCount",
                                                      .caption = "Formes différentes communes",
                                                      .explain = explainCommonCount});

/// N and V of each text, which the JSON report nests under text1 and text2.
inline constexpr std::array<const ComparedFigure*, 2> comparedTextTotals = {&comparedTokenCount,
                                                                            &comparedDistinctCount};

/// The figures of the common forms, then those of the proper forms, each group as the
/// comparison's table lists it after N, V and C.
inline constexpr std::array<const ComparedFigure*, 3> commonFormFigures = {&commonShareFigure, &commonTokensFigure,
                                                                           &commonTokenShareFigure};
inline constexpr std::array<const ComparedFigure*, 4> properFormFigures = {
    &properCountFigure, &properShareFigure, &properTokensFigure, &properTokenShareFigure};

/// The figures after C as the JSON report lists them, each for text 1 then for text 2: the
/// counts, then the shares.
inline constexpr std::array<const ComparedFigure*, 7> comparedFiguresByKind = {
    &properCountFigure, &commonTokensFigure,     &properTokensFigure,    &commonShareFigure,
    &properShareFigure, &commonTokenShareFigure, &properTokenShareFigure};

/// The text's number a side's JSON members and labels end with: "1" or "2".
constexpr std::string_view sideNumber(std::size_t side)
{
    return side == 0 ? "1" : "2";
}

} // namespace quorvelle
