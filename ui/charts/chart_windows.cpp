// The eight chart windows' captions, axis titles, grid headings and opening tabs, and the
// figures of Zipf's line.
#include "ui/charts/chart_windows.h"

#include "core/reports/rounding.h"
#include "core/statistics/zipf_statistic.h"
#include "ui/charts/ChartTableModel.h"
#include "ui/charts/FactorMapView.h"
#include "ui/charts/ProgressionChartView.h"
#include "ui/charts/ZipfChartView.h"
#include "ui/figure_labels.h"
#include "ui/number_text.h"
#include "ui/window_layout.h"

#include <QGroupBox>
#include <QLayout>

#include <algorithm>

namespace quorvelle::ui {
namespace {

// A column of numbers, right-aligned, or of labels, left-aligned; the blanks are the headings' own.
ReportTableModel::ColumnLook numbers(const QString& heading)
{
    return {heading, Qt::AlignRight};
}

ReportTableModel::ColumnLook labels(const QString& heading)
{
    return {heading, Qt::AlignLeft};
}

ChartWindowLook edgeLook(const QString& caption, const QString& fileName)
{
    return {.caption = caption,
            .fileName = fileName,
            .categoryTitle = ChartWindow::tr("Caractères"),
            .valueTitle = ChartWindow::tr("Nbre de formes"),
            .gridColumns = {numbers(ChartWindow::tr(" Numéro ")), labels(ChartWindow::tr(" Caractères  ")),
                            numbers(ChartWindow::tr(" Nbre de formes   "))},
            .openingTab = ChartWindowLook::ChartTab};
}

// "F1 (25,02 %)": a factor and its share of the inertia.
QString factorTitle(const CorrespondenceAnalysis& analysis, std::size_t factor)
{
    return ChartWindow::tr("F%1 (%2 %)")
        .arg(factor + 1)
        .arg(numberText(roundHalfEven(analysis.factors.at(factor).share * 100, 2)));
}

} // namespace

LengthsChart::LengthsChart(std::span<const LengthChartRow> rows, QWidget* parent)
    : ChartWindow(
        {.caption = tr("Parvane Dorlesca - Composition des formes - statistiques formes/caractères (Graphique)"),
         .fileName = tr("graphique-formes-caracteres"),
         .categoryTitle = tr("Nbre de caractère(s)"),
         .valueTitle = tr("Nbre de forme(s)"),
         .gridColumns = {numbers(tr(" Nbre de caractère(s)  ")), labels(tr(" Nbre de forme(s)  ")),
                         numbers(tr(" Pourcentage (%)   "))},
         .openingTab = ChartWindowLook::ValuesTab},
        lengthChart(rows, decimalSeparator()), parent)
{
}

StartLettersChart::StartLettersChart(std::span<const CountChartRow> letters, QWidget* parent)
    : ChartWindow(edgeLook(tr("Parvane Dorlesca - Graphique début de mot"), tr("graphique-debut-de-mot")),
                  countChart(letters, letterLabelPrefix), parent)
{
}

EndLettersChart::EndLettersChart(std::span<const CountChartRow> letters, QWidget* parent)
    : ChartWindow(edgeLook(tr("Parvane Dorlesca - Graphique fin de mot"), tr("graphique-fin-de-mot")),
                  countChart(letters, letterLabelPrefix), parent)
{
}

PositiveDeviationsChart::PositiveDeviationsChart(std::span<const DeviationChartRow> rows, QWidget* parent)
    : ChartWindow({.caption = tr("Parvane Dorlesca - Calcul des écarts positifs (graphique)"),
                   .fileName = tr("graphique-ecarts-positifs"),
                   .categoryTitle = tr("Fréquence d'attestation réelle"),
                   .valueTitle = tr("Nbre de formes"),
                   .gridColumns = {numbers(tr(" Numéro ")), labels(tr(" Fréq. d'attestation réelle  ")),
                                   numbers(tr(" Nbre de formes   "))},
                   .openingTab = ChartWindowLook::ValuesTab},
                  countChart(deviationSide(rows, DeviationSide::Positive), numberLabelPrefix), parent)
{
}

NegativeDeviationsChart::NegativeDeviationsChart(std::span<const DeviationChartRow> rows, QWidget* parent)
    : ChartWindow({.caption = tr("Parvane Dorlesca - Calcul des écarts négatifs (graphique)"),
                   .fileName = tr("graphique-ecarts-negatifs"),
                   .categoryTitle = tr("Fréquence d'attestation réelle"),
                   .valueTitle = tr("Nbre de formes"),
                   .gridColumns = {numbers(tr(" Numéro ")), labels(tr(" Fréquence d'attestation réelle  ")),
                                   numbers(tr(" Nbre de formes   "))},
                   .openingTab = ChartWindowLook::ChartTab},
                  countChart(deviationSide(rows, DeviationSide::Negative), numberLabelPrefix), parent)
{
}

EnrichmentChart::EnrichmentChart(std::span<const CountChartRow> slices, QWidget* parent)
    : ChartWindow({.caption = tr("Parvane Dorlesca - Graphique -  L'enrichissement du vocabulaire"),
                   .fileName = tr("graphique-enrichissement"),
                   .categoryTitle = tr("N° tranche"),
                   .valueTitle = tr("Nbre de nouvelles formes"),
                   .gridColumns = {numbers(tr(" Numéro ")), labels(tr(" N° tranche  ")),
                                   numbers(tr(" Nbre de nouvelles formes   "))},
                   .openingTab = ChartWindowLook::ValuesTab},
                  countChart(slices, numberLabelPrefix), parent)
{
}

CategoryProfileChart::CategoryProfileChart(std::span<const CountChartRow> categories, QWidget* parent)
    : ChartWindow(
        {.caption = tr("Parvane Dorlesca - Graphique - Profil des catégories"),
         .fileName = tr("profil-des-categories"),
         .chartTitle = tr("Profil des catégories"),
         .categoryTitle = tr("Catégorie"),
         .valueTitle = tr("Nombre d'attestations"),
         .gridColumns = {numbers(tr(" Numéro ")), labels(tr(" Catégorie  ")), numbers(tr(" Nombre d'attestations   "))},
         .openingTab = ChartWindowLook::ChartTab,
         .barDirection = Qt::Horizontal},
        categoryProfileChart(categories), parent)
{
}

SpecificitiesChart::SpecificitiesChart(std::span<const ScoreChartRow> forms, QWidget* parent)
    : ChartWindow({.caption = tr("Parvane Dorlesca - Spécificités (graphique)"),
                   .fileName = tr("specificites"),
                   .chartTitle = tr("Spécificités"),
                   .categoryTitle = tr("Forme"),
                   .valueTitle = tr("Spécificité (positive : texte n°1, négative : texte n°2)"),
                   .gridColumns = {numbers(tr(" Numéro ")), labels(tr(" Forme  ")), numbers(tr(" Spécificité   "))},
                   .openingTab = ChartWindowLook::ChartTab,
                   .barDirection = Qt::Horizontal},
                  scoreChart(forms, decimalSeparator()), parent)
{
}

ZipfChart::ZipfChart(ZipfReport report, QWidget* parent)
    : ChartWindow(
        {.caption = tr("Parvane Dorlesca - Loi de Zipf (graphique)"),
         .fileName = tr("loi-de-zipf"),
         .chartTitle = tr("Loi de Zipf"),
         .categoryTitle = tr("Rang (échelle logarithmique)"),
         .valueTitle = tr("Nombre d'attestations (échelle logarithmique)"),
         .gridColumns = {numbers(tr(" Rang ")), labels(tr(" Forme  ")), numbers(tr(" Nombre d'attestations   "))},
         .openingTab = ChartWindowLook::ChartTab},
        zipfChart(report.rows),
        [fit = report.fit](const ChartTableModel& table, const ChartWindowLook& look, QWidget* parent) {
            auto* view = new ZipfChartView(*table.barsModel(), 0, table.valueColumn(), fit, look.categoryTitle,
                                           look.valueTitle, parent);
            view->setAccessibleDescription(
                tr("%1 selon %2, %n forme(s) : %3", nullptr, table.barsModel()->rowCount())
                    .arg(look.valueTitle, look.categoryTitle, ZipfChartView::lineCaption(fit)));
            return static_cast<QChartView*>(view);
        },
        parent)
    , report_(std::move(report))
{
    auto* lineFrame = new QGroupBox(tr("Droite ajustée"), this);
    Q_SET_OBJECT_NAME(lineFrame);
    addFigures(lineFrame, ZipfStatistic::figures, report_);
    layout()->addWidget(lineFrame);
}

FactorMapChart::FactorMapChart(const CorrespondenceAnalysis& analysis, std::size_t xFactor, std::size_t yFactor,
                               QWidget* parent)
    : ChartWindow(
        {.caption = tr("Parvane Dorlesca - Carte factorielle"),
         .fileName = tr("carte-factorielle"),
         .chartTitle = tr("Carte factorielle (F%1 × F%2)").arg(xFactor + 1).arg(yFactor + 1),
         .categoryTitle = factorTitle(analysis, xFactor),
         .valueTitle = factorTitle(analysis, yFactor),
         .gridColumns = {labels(tr(" Partie ou forme  ")), numbers(tr(" F%1 ").arg(xFactor + 1)),
                         numbers(tr(" F%1 ").arg(yFactor + 1))},
         .openingTab = ChartWindowLook::ChartTab},
        factorMapChart(factorMapPoints(analysis, xFactor, yFactor, mostForms), decimalSeparator()),
        [points = factorMapPoints(analysis, xFactor, yFactor, mostForms)](
            const ChartTableModel&, const ChartWindowLook& look, QWidget* parent) {
            auto* view = new FactorMapView(points, look.categoryTitle, look.valueTitle, parent);
            const auto parts = std::ranges::count_if(points, &FactorMapPoint::isPart);
            view->setAccessibleDescription(tr("%1 parties et %2 formes sur le plan de %3 et de %4")
                                               .arg(parts)
                                               .arg(static_cast<qsizetype>(points.size()) - parts)
                                               .arg(look.categoryTitle, look.valueTitle));
            return static_cast<QChartView*>(view);
        },
        parent)
{
}

ProgressionChart::ProgressionChart(std::span<const FormProgression> progressions, QWidget* parent)
    : ChartWindow(
        {.caption = tr("Parvane Dorlesca - Progression des formes"),
         .fileName = tr("progression"),
         .chartTitle = tr("Progression des formes"),
         .categoryTitle = tr("Parties"),
         .valueTitle = tr("Fréquence (pour 10 000 formes)"),
         .gridColumns = {labels(tr(" Partie  ")), labels(tr(" Forme  ")), numbers(tr(" Fréquence (pour 10 000)   "))},
         .openingTab = ChartWindowLook::ChartTab},
        progressionChart(progressions, decimalSeparator()),
        [](const ChartTableModel& table, const ChartWindowLook& look, QWidget* parent) {
            auto* view =
                new ProgressionChartView(*table.barsModel(), 1, ChartTableModel::BarLabelRole,
                                         ChartTableModel::BarValueRole, look.categoryTitle, look.valueTitle, parent);
            view->setAccessibleDescription(
                tr("%1 selon %2, une série de barres par forme").arg(look.valueTitle, look.categoryTitle));
            return static_cast<QChartView*>(view);
        },
        parent)
{
}

} // namespace quorvelle::ui
