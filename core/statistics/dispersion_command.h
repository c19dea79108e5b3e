// The dispersion of a form over equal parts of the text.
#pragma once

#include "core/catalogue/figure.h"
#include "core/catalogue/statistic_register.h"
#include "core/explanations/dispersion_explanations.h"
#include "core/reports/dispersion_report.h"

#include <array>
#include <string_view>

namespace quorvelle {

/// The parts of a dispersion, whose rows dispersionChart writes: the part's number, its forms
/// ("first–last", numbered from 1) and the form's attestations in it.
inline constexpr std::array<std::string_view, 3> dispersionPartHeadings = {"Partie", "Formes n°", "Attestations"};

/// The form's attestations in the whole text.
inline constexpr std::array dispersionCounts = {memberFigure<&DispersionReport::attestations>(
    {.id = "attestations", .jsonKey = "attestations", .caption = "Attestations :"})};
/// The two measures of the form's dispersion over the parts.
inline constexpr std::array dispersionMeasures = {
    memberFigure<&DispersionReport::juillandD>({.id = "juilland",
                                                .jsonKey = "juillandD",
                                                .caption = "D de Juilland :",
                                                .format = FigureFormat::Measure,
                                                .explain = explainJuillandD}),
    memberFigure<&DispersionReport::griesDP>({.id = "gries",
                                              .jsonKey = "griesDP",
                                              .caption = "DP de Gries :",
                                              .format = FigureFormat::Measure,
                                              .explain = explainGriesDP}),
};
inline constexpr auto dispersionFigures = joinedFigures(dispersionCounts, dispersionMeasures);

struct DispersionCommand {
    static constexpr const FormCommandInfo& info = registered::dispersion;
    static constexpr const auto& figures = dispersionFigures;
};

} // namespace quorvelle
