// The six chart windows' captions, axis titles, grid headings and opening tabs.
#include "ui/charts/chart_windows.h"

#include <QLocale>

namespace quorvelle::ui {
namespace {

// The chart's percentages are written with the user's decimal separator.
char decimalSeparator()
{
    const QString separator = QLocale().decimalPoint();
    return separator.size() == 1 && separator[0].unicode() < 0x80 ? separator[0].toLatin1() : ',';
}

ChartWindowLook edgeLook(const QString& caption)
{
    return {caption, ChartWindow::tr("Caractères"), ChartWindow::tr("Nbre de formes"),
            ChartWindow::tr(" Numéro |< Caractères  |> Nbre de formes   "), ChartWindowLook::ChartTab};
}

} // namespace

LengthsChart::LengthsChart(std::span<const LengthChartRow> rows, QWidget* parent)
    : ChartWindow({tr("Parvane Dorlesca - Composition des formes - statistiques formes/caractères (Graphique)"),
                   tr("Nbre de caractère(s)"), tr("Nbre de forme(s)"),
                   tr(" Nbre de caractère(s)  |< Nbre de forme(s)  |> Pourcentage (%)   "), ChartWindowLook::ValuesTab},
                  lengthChart(rows, decimalSeparator()), parent)
{
}

StartLettersChart::StartLettersChart(std::span<const CountChartRow> letters, QWidget* parent)
    : ChartWindow(edgeLook(tr("Parvane Dorlesca - Graphique début de mot")), countChart(letters, letterLabelPrefix),
                  parent)
{
}

EndLettersChart::EndLettersChart(std::span<const CountChartRow> letters, QWidget* parent)
    : ChartWindow(edgeLook(tr("Parvane Dorlesca - Graphique fin de mot")), countChart(letters, letterLabelPrefix),
                  parent)
{
}

PositiveDeviationsChart::PositiveDeviationsChart(std::span<const DeviationChartRow> rows, QWidget* parent)
    : ChartWindow({tr("Parvane Dorlesca - Calcul des écarts positifs (graphique)"),
                   tr("Fréquence d'attestation réelle"), tr("Nbre de formes"),
                   tr(" Numéro |< Fréq. d'attestation réelle  |> Nbre de formes   "), ChartWindowLook::ValuesTab},
                  countChart(deviationSide(rows, DeviationSide::Positive), numberLabelPrefix), parent)
{
}

NegativeDeviationsChart::NegativeDeviationsChart(std::span<const DeviationChartRow> rows, QWidget* parent)
    : ChartWindow({tr("Parvane Dorlesca - Calcul des écarts négatifs (graphique)"),
                   tr("Fréquence d'attestation réelle"), tr("Nbre de formes"),
                   tr(" Numéro |< Fréquence d'attestation réelle  |> Nbre de formes   "), ChartWindowLook::ChartTab},
                  countChart(deviationSide(rows, DeviationSide::Negative), numberLabelPrefix), parent)
{
}

EnrichmentChart::EnrichmentChart(std::span<const CountChartRow> slices, QWidget* parent)
    : ChartWindow({tr("Parvane Dorlesca - Graphique -  L'enrichissement du vocabulaire"), tr("N° tranche"),
                   tr("Nbre de nouvelles formes"), tr(" Numéro |< N° tranche  |> Nbre de nouvelles formes   "),
                   ChartWindowLook::ValuesTab},
                  countChart(slices, numberLabelPrefix), parent)
{
}

} // namespace quorvelle::ui
