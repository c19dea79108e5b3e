// The vocabulary-richness window.
#include "ui/stats/RichnessWindow.h"

#include "core/statistics/richness_statistic.h"
#include "ui/cp1252_text.h"
#include "ui/figure_explanations.h"
#include "ui/figure_labels.h"
#include "ui/number_text.h"
#include "ui/report_grid.h"
#include "ui/window_layout.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QTableView>

namespace quorvelle::ui {
namespace {

constexpr int valueColumn = 1;
constexpr int formulaColumn = 2;
constexpr int explanationColumn = 3;
constexpr int formulaColumnCharacters = 26;

} // namespace

RichnessWindow::RichnessWindow(const SharedText& text, RichnessReport report, QWidget* parent)
    : StatisticsWindow(text->letters(), parent)
    , report_(std::move(report))
{
    QGroupBox* totalsFrame = createFrame("totalsFrame", tr("Statistiques"), this);
    addFigures(totalsFrame, RichnessStatistic::counts, report_, {.valueSuffix = "Label"});

    using Measure = Figure<RichnessReport>;
    const auto utf8 = [](std::string_view Measure::*member) {
        return [member](const Measure& measure, std::size_t) { return utf8Text(measure.*member); };
    };
    measuresModel_ = new MeasuresModel(
        {{tr("Mesure"), Qt::AlignLeft, utf8(&Measure::caption)},
         {tr("Valeur"), Qt::AlignRight,
          [this](const Measure& measure, std::size_t) { return figureText(measure.value(report_), measure.format); }},
         {tr("Formule"), Qt::AlignLeft, utf8(&Measure::formula)},
         {tr("Ce qu'elle mesure"), Qt::AlignLeft, utf8(&Measure::meaning)}},
        this);
    QTableView* measuresGrid =
        createReportGrid("measuresGrid", measuresModel_, tr("Mesures de la richesse du vocabulaire"), this);
    explainColumn(measuresGrid, valueColumn, [this](int row, const ExplanationNumbers& numbers) {
        return measuresModel_->rowAt(static_cast<std::size_t>(row)).explained(report_, numbers);
    });
    measuresGrid->setWordWrap(true);
    // The formulas and the explanations wrap: the first in a column of their own width, the
    // second in what is left.
    QHeaderView* header = measuresGrid->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(formulaColumn, QHeaderView::Fixed);
    header->resizeSection(formulaColumn, fontMetrics().averageCharWidth() * formulaColumnCharacters);
    header->setSectionResizeMode(explanationColumn, QHeaderView::Stretch);
    measuresGrid->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    build({.caption = tr("Parvane Dorlesca - Richesse du vocabulaire"),
           .title = utf8Text(RichnessStatistic::info.title),
           .body = {totalsFrame, {measuresGrid, 1}},
           .size = {980, 640},
           .tableExport = {measuresModel_, tr("richesse-du-vocabulaire.csv")}});
    measuresModel_->setRows(RichnessStatistic::measures);
}

} // namespace quorvelle::ui
