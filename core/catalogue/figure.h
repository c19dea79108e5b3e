// A figure of a statistic, described once: the windows' labels, quorvelle-cli's JSON, text and
// CSV, and the explanations all read this one record.
#pragma once

#include "core/explanations/figure_explanation.h"
#include "core/presentation/figure_value.h"

#include <array>
#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

namespace quorvelle {

/// A figure of a report: a total of the whole report, as opposed to the figures of its rows.
template <class Report>
struct Figure {
    /// Its name in the code: its window labels are named after it ("totalForms":
    /// totalFormsCaption and totalFormsValue).
    std::string_view id;
    /// Its member in quorvelle-cli's JSON report; empty for a figure the JSON leaves to its reader.
    std::string_view jsonKey = {};
    std::string_view caption;      ///< French, UTF-8, as windows and listings head its value
    std::string_view formula = {}; ///< its formula in symbols ("V / N"), where it is shown beside it
    std::string_view meaning = {}; ///< what it tells and how far to trust it, where it is shown (French)
    FigureFormat format = FigureFormat::Count;
    FigureValue (*value)(const Report&) = nullptr;
    /// How it is computed, for "Comment ce nombre est-il calculé ?" and --explain; read through
    /// explained(), which names the figure as this record does.
    FigureExplanation (*explain)(const Report&, const ExplanationNumbers&) = nullptr;

    /// The explanation of the figure of report: explain's, under the figure's caption and formula
    /// where it leaves them to the record.
    FigureExplanation explained(const Report& report, const ExplanationNumbers& numbers) const
    {
        FigureExplanation explanation = explain(report, numbers);
        if (explanation.figure.empty())
            explanation.figure = caption;
        if (explanation.formula.empty())
            explanation.formula = formula;
        return explanation;
    }
};

namespace detail {

template <class>
struct FigureMember;

template <class Class, class Type>
struct FigureMember<Type Class::*> {
    using Report = Class;
};

template <class Class, class Type>
struct FigureMember<Type (Class::*)() const> {
    using Report = Class;
};

} // namespace detail

/// The figures of first, then those of second.
template <class Report, std::size_t First, std::size_t Second>
constexpr std::array<Figure<Report>, First + Second> joinedFigures(const std::array<Figure<Report>, First>& first,
                                                                   const std::array<Figure<Report>, Second>& second)
{
    std::array<Figure<Report>, First + Second> joined{};
    for (std::size_t place = 0; place < First; ++place)
        joined[place] = first[place];
    for (std::size_t place = 0; place < Second; ++place)
        joined[First + place] = second[place];
    return joined;
}

/// The explanations of those figures of a report that explain how they are computed, in order.
template <class Report, std::size_t Count>
std::vector<FigureExplanation> explainFigures(const std::array<Figure<Report>, Count>& figures, const Report& report,
                                              const ExplanationNumbers& numbers)
{
    std::vector<FigureExplanation> explanations;
    for (const Figure<Report>& figure : figures)
        if (figure.explain)
            explanations.push_back(figure.explained(report, numbers));
    return explanations;
}

/// What a statistic's figures read: its report, unless its descriptor gives an overload of its own.
template <class Report>
const Report& figureSubject(const Report& report)
{
    return report;
}

/// The figure that reads a member of its report, data or const function without arguments: its
/// value is report.*member, or (report.*member)().
template <auto member, class Report = typename detail::FigureMember<decltype(member)>::Report>
constexpr Figure<Report> memberFigure(Figure<Report> figure)
{
    figure.value = [](const Report& report) -> FigureValue { return std::invoke(member, report); };
    return figure;
}

} // namespace quorvelle
