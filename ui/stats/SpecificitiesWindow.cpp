// The specificities window.
#include "ui/stats/SpecificitiesWindow.h"
#include "ui/cancellable_work.h"

#include "core/statistics/specificities_statistic.h"

#include "ui/TextAnalysis.h"
#include "ui/WaitDialog.h"
#include "ui/charts/WordCloudChart.h"
#include "ui/charts/chart_windows.h"
#include "ui/cp1252_text.h"
#include "ui/figure_explanations.h"
#include "ui/figure_labels.h"
#include "ui/menus.h"
#include "ui/missing_dictionary.h"
#include "ui/number_text.h"
#include "ui/report_grid.h"
#include "ui/stats/ConcordanceWindow.h"
#include "ui/stats/FormFilterBar.h"
#include "ui/studied_files.h"
#include "ui/table_export.h"
#include "ui/unit_choice.h"
#include "ui/window_layout.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>

#include <algorithm>
#include <limits>
#include <optional>
#include <tuple>
#include <utility>

namespace quorvelle::ui {
namespace {

constexpr QSize windowSize(1000, 640);
constexpr int specificityColumn = 5; // in SpecificitiesStatistic::columns
constexpr std::size_t chartedFormsPerText = 20;

// What a column of SpecificitiesStatistic::columns sorts its rows by; an undefined value comes first.
double sortKey(const SpecificForm& form, int column)
{
    constexpr double undefined = -std::numeric_limits<double>::infinity();
    switch (column) {
    case 0:
        return static_cast<double>(form.alphabeticalRank);
    case 1:
        return static_cast<double>(form.f1);
    case 2:
        return static_cast<double>(form.f2);
    case 3:
        return form.frequency1.value_or(undefined);
    case 4:
        return form.frequency2.value_or(undefined);
    case 6:
        return form.g2;
    case 7:
        return form.logRatio.value_or(undefined);
    default:
        return form.specificity;
    }
}

} // namespace

void SpecificitiesWindow::open(QWidget* parent, const QFuture<SharedText>& text1, const QFuture<SharedText>& text2)
{
    using Computed = std::tuple<SharedText, SharedText, SpecificityReport>;
    std::optional<Computed> computed =
        resultAfterWaiting(parent,
                           computeWhenAnalysed(
                               [](SharedText first, SharedText second) {
                                   SpecificityReport report =
                                       SpecificitiesStatistic::report(AnalysedTexts(first, second));
                                   return Computed(std::move(first), std::move(second), std::move(report));
                               },
                               text1, text2),
                           QFuture<void>(text2));
    if (computed)
        openModeless<SpecificitiesWindow>(parent, std::move(std::get<0>(*computed)), std::move(std::get<1>(*computed)),
                                          std::move(std::get<2>(*computed)));
}

SpecificitiesWindow::SpecificitiesWindow(SharedText text1, SharedText text2, SpecificityReport report, QWidget* parent)
    : StatisticsWindow(text1->letters(), parent)
    , text1_(std::move(text1))
    , text2_(std::move(text2))
    , report_(std::move(report))
{
    buildUi();
    connect(thresholdBox, &QComboBox::currentIndexChanged, this, &SpecificitiesWindow::applyChosenThreshold);
    connect(unitBox, &QComboBox::currentIndexChanged, this, &SpecificitiesWindow::computeWithChosenUnit);
    connect(specificityGrid->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this,
            &SpecificitiesWindow::showSpecificForms);
    connect(specificityGrid, &QTableView::activated, this, &SpecificitiesWindow::showFormInContext);
    connect(filterBar, &FormFilterBar::changed, this, &SpecificitiesWindow::showSpecificForms);
    applyChosenThreshold();
}

void SpecificitiesWindow::buildUi()
{
    QGroupBox* totalsFrame = createFrame("totalsFrame", tr("Statistiques"), this);
    // Explained at the threshold chosen when asked.
    figureValues_ = addFigures(totalsFrame, SpecificitiesStatistic::figures, report_);

    thresholdBox = new QComboBox(this);
    Q_SET_OBJECT_NAME(thresholdBox);
    for (const double threshold : thresholds)
        thresholdBox->addItem(numberText(threshold), threshold);
    thresholdBox->setCurrentIndex(
        static_cast<int>(std::ranges::find(thresholds, defaultSpecificityThreshold) - thresholds.begin()));
    auto* thresholdLabel = new QLabel(tr("&Seuil de spécificité :"), this);
    thresholdLabel->setObjectName(QStringLiteral("thresholdLabel"));
    labelControl(thresholdLabel, thresholdBox);
    thresholdBox->setToolTip(tr("Une forme dont la spécificité reste sous ce seuil, dans un sens ou dans l'autre, "
                                "est banale : 2 correspond à une probabilité de 1 %."));

    const UnitChoice unit =
        createUnitChoice(tr("Les lemmes comparent « aimer » en une ligne, toutes ses formes réunies."), this);
    unitBox = unit.box;

    filterBar = new FormFilterBar(text1_->letters(), FormFilterBar::FunctionWordChoice::Offered, this);
    Q_SET_OBJECT_NAME(filterBar);
    rowsModel_ = new RowsModel(SpecificitiesStatistic::table.columns, this);
    specificityGrid = createReportGrid("specificityGrid", rowsModel_, tr("Spécificités"), this);
    QHeaderView* header = specificityGrid->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setSortIndicator(specificityColumn, Qt::DescendingOrder);
    explainGridRows(specificityGrid, SpecificitiesStatistic::rowFigures, report_, *rowsModel_);

    build({.caption = tr("Parvane Dorlesca - Spécificités"),
           .title = utf8Text(SpecificitiesStatistic::info.title),
           .body = {Row{totalsFrame,
                        {Column{Row{thresholdLabel, thresholdBox, Stretch{}}, Row{unit.label, unitBox, Stretch{}}}, 1}},
                    filterBar,
                    {specificityGrid, 1}},
           .size = windowSize,
           .menuBar = {.grid = specificityGrid},
           .tableExport = {rowsModel_, tr("specificites.csv")},
           .chartItems = {{"specificitiesChartAction", tr("&Affichage"), [this] { openSpecificitiesChart(); }},
                          {"wordCloudAction", tr("&Nuage de mots"), [this] { openWordCloud(); }}}});
}

void SpecificitiesWindow::applyChosenThreshold()
{
    report_.threshold = thresholdBox->currentData().toDouble();
    showFigureValues(figureValues_, SpecificitiesStatistic::figures, report_);
    showSpecificForms();
}

// Lemmas need the French dictionary: without it, the window says so and stays on the forms.
void SpecificitiesWindow::computeWithChosenUnit()
{
    const CountingUnit unit = chosenUnit(unitBox);
    if ((unit == CountingUnit::Lemmas) == report_.ofLemmas)
        return;
    std::optional<SpecificityReport> computed;
    try {
        computed = resultAfterWaiting(this, runCancellable([text1 = text1_, text2 = text2_, unit] {
                                          return SpecificitiesStatistic::report(AnalysedTexts(text1, text2), unit);
                                      }));
    } catch (const DictionaryError& error) {
        reportMissingDictionary(this, utf8Text(SpecificitiesStatistic::info.title), error);
    }
    if (!computed) {
        showUnit(unitBox, report_.ofLemmas);
        return;
    }
    const double threshold = report_.threshold;
    report_ = std::move(*computed);
    report_.threshold = threshold;
    applyChosenThreshold();
}

void SpecificitiesWindow::showSpecificForms()
{
    shown_.clear();
    for (std::size_t place = 0; place < report_.forms.size(); ++place)
        if (report_.isSpecific(report_.forms[place]))
            shown_.push_back(place);
    const QHeaderView* header = specificityGrid->horizontalHeader();
    const int column = header->sortIndicatorSection();
    const bool ascending = header->sortIndicatorOrder() == Qt::AscendingOrder;
    // Stable: rows of equal keys stay by specificity decreasing, then alphabetical.
    std::ranges::stable_sort(shown_, [&](std::size_t left, std::size_t right) {
        const double leftKey = sortKey(report_.forms[left], column);
        const double rightKey = sortKey(report_.forms[right], column);
        return ascending ? leftKey < rightKey : leftKey > rightKey;
    });
    shown_ =
        filterBar->shownAmong(std::move(shown_), std::span<const SpecificForm>(report_.forms), &SpecificForm::form);
    rowsModel_->setRows(report_.forms, shown_);
}

void SpecificitiesWindow::openSpecificitiesChart()
{
    std::vector<ScoreChartRow> extremes;
    for (const std::size_t place : report_.extremes(chartedFormsPerText))
        extremes.push_back({report_.forms[place].form, report_.forms[place].specificity});
    openModeless<SpecificitiesChart>(this, std::span<const ScoreChartRow>(extremes));
}

// The forms over-used in text 1 that reach the threshold, sized by their specificity.
void SpecificitiesWindow::openWordCloud()
{
    std::vector<WeightedForm> forms;
    for (const SpecificForm& form : report_.forms)
        if (form.specificity > 0 && report_.isSpecific(form))
            forms.push_back({form.form, form.specificity});
    openModeless<WordCloudChart>(this, std::move(forms), tr("Formes spécifiques du texte n°1"), tr("Spécificité"));
}

void SpecificitiesWindow::showFormInContext(const QModelIndex& index)
{
    const SpecificForm& form = rowsModel_->rowAt(static_cast<std::size_t>(index.row()));
    const bool inText1 = form.specificity >= 0;
    const QString textFile = studiedFiles(this).value(inText1 ? 0 : 1);
    if (report_.ofLemmas)
        ConcordanceWindow::openLemma(this, inText1 ? text1_ : text2_, form.form, textFile);
    else
        ConcordanceWindow::open(this, inText1 ? text1_ : text2_, form.form, textFile);
}

} // namespace quorvelle::ui
