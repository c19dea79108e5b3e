// The co-occurring forms window.
#include "ui/stats/CollocatesWindow.h"
#include "ui/cancellable_work.h"

#include "core/statistics/collocates_command.h"
#include "ui/WaitDialog.h"
#include "ui/cp1252_text.h"
#include "ui/figure_explanations.h"
#include "ui/figure_labels.h"
#include "ui/number_text.h"
#include "ui/report_grid.h"
#include "ui/stats/ConcordanceWindow.h"
#include "ui/stats/FormFilterBar.h"
#include "ui/table_export.h"
#include "ui/window_layout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QTableView>

#include <algorithm>
#include <optional>
#include <utility>

namespace quorvelle::ui {
namespace {

constexpr QSize windowSize(900, 640);
constexpr int largestSpan = 100;

// The report around pivot in text, computed off the interface thread, or nothing when given up.
std::optional<CollocateReport> computedAfterWaiting(QWidget* caller, SharedText text, TextQuery pivot,
                                                    CollocateOptions options)
{
    return resultAfterWaiting(caller, runCancellable([text = std::move(text), pivot = std::move(pivot), options] {
                                  return searchCollocates(text->text(), text->tokens(), pivot, options);
                              }));
}

} // namespace

void CollocatesWindow::open(QWidget* parent, SharedText text, TextQuery pivot)
{
    std::optional<CollocateReport> report = computedAfterWaiting(parent, text, pivot, {});
    if (report)
        openModeless<CollocatesWindow>(parent, std::move(text), std::move(pivot), std::move(*report));
}

CollocatesWindow::CollocatesWindow(SharedText text, TextQuery pivot, CollocateReport report, QWidget* parent)
    : StatisticsWindow(text->letters(), parent)
    , text_(std::move(text))
    , pivot_(std::move(pivot))
    , report_(std::move(report))
{
    buildUi();
    connect(spanBox, &QSpinBox::editingFinished, this, &CollocatesWindow::computeWithChosenSpan);
    connect(sameSentenceBox, &QCheckBox::toggled, this, &CollocatesWindow::computeWithChosenSpan);
    connect(minCountBox, &QSpinBox::valueChanged, this, &CollocatesWindow::showCollocates);
    connect(minScoreBox, &QComboBox::currentIndexChanged, this, &CollocatesWindow::showCollocates);
    connect(collocateGrid, &QTableView::activated, this, &CollocatesWindow::showFormInContext);
    connect(filterBar, &FormFilterBar::changed, this, &CollocatesWindow::showCollocates);
    showCollocates();
}

void CollocatesWindow::buildUi()
{
    const QString pivot = fromCp1252(report_.pivot);
    QGroupBox* totalsFrame = createFrame("totalsFrame", tr("Statistiques"), this);
    // Explained for the span chosen when asked.
    figureValues_ = addFigures(totalsFrame, collocateFigures, report_,
                               {.extraTotals = {{"shownCountCaption", tr("Cooccurrents affichés :"), "shownCountValue"}}});
    shownCountValue = figureValues_.takeLast();
    QLabel* spanFormsValue = figureValues_[1];
    spanFormsValue->setToolTip(
        tr("Les positions couvertes par les fenêtres autour du pivot, chacune comptée une fois"));

    spanBox = new QSpinBox(this);
    Q_SET_OBJECT_NAME(spanBox);
    spanBox->setRange(1, largestSpan);
    spanBox->setValue(static_cast<int>(report_.options.span));
    sameSentenceBox = new QCheckBox(tr("Dans la même &phrase"), this);
    Q_SET_OBJECT_NAME(sameSentenceBox);
    sameSentenceBox->setChecked(report_.options.withinSentence);
    minCountBox = new QSpinBox(this);
    Q_SET_OBJECT_NAME(minCountBox);
    minCountBox->setRange(1, 1'000'000);
    minCountBox->setValue(static_cast<int>(CollocateThresholds{}.minCount));
    minScoreBox = new QComboBox(this);
    Q_SET_OBJECT_NAME(minScoreBox);
    for (const double score : minScores)
        minScoreBox->addItem(numberText(score), score);
    minScoreBox->setCurrentIndex(
        static_cast<int>(std::ranges::find(minScores, CollocateThresholds{}.minScore) - minScores.begin()));
    minScoreBox->setToolTip(tr("Un score de 2 correspond à une probabilité de 1 % de trouver la forme aussi souvent "
                               "autour du pivot par hasard."));

    auto* choices = new QGridLayout;
    addLabelledControl(choices, 0, "spanLabel", tr("&Fenêtre (formes de chaque côté) :"), spanBox);
    choices->addWidget(sameSentenceBox, 1, 1);
    addLabelledControl(choices, 2, "minCountLabel", tr("&Cooccurrences au moins :"), minCountBox);
    addLabelledControl(choices, 3, "minScoreLabel", tr("&Score au moins :"), minScoreBox);
    filterBar = new FormFilterBar(text_->letters(), FormFilterBar::FunctionWordChoice::Offered, this);
    Q_SET_OBJECT_NAME(filterBar);
    rowsModel_ = new RowsModel(collocateColumns, this);
    collocateGrid = createReportGrid("collocateGrid", rowsModel_, tr("Cooccurrents"), this);
    QHeaderView* header = collocateGrid->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    explainGridRows(collocateGrid, collocateRowFigures, report_, *rowsModel_);

    build({.caption = tr("Parvane Dorlesca - Cooccurrents de « %1 »").arg(pivot),
           .title = tr("Cooccurrents de « %1 »").arg(pivot),
           .body = {Row{totalsFrame, choices, Stretch{1}}, filterBar, {collocateGrid, 1}},
           .size = windowSize,
           .menuBar = {.grid = collocateGrid},
           .tableExport = {rowsModel_, tr("cooccurrents.csv")}});
}

void CollocatesWindow::computeWithChosenSpan()
{
    const CollocateOptions options{spanBox->value(), sameSentenceBox->isChecked()};
    if (options == report_.options)
        return;
    std::optional<CollocateReport> report = computedAfterWaiting(this, text_, pivot_, options);
    if (!report) { // given up: the choices go back to those of the listing
        const QSignalBlocker spanBlocker(spanBox);
        const QSignalBlocker sentenceBlocker(sameSentenceBox);
        spanBox->setValue(static_cast<int>(report_.options.span));
        sameSentenceBox->setChecked(report_.options.withinSentence);
        return;
    }
    report_ = std::move(*report);
    showCollocates();
}

void CollocatesWindow::showCollocates()
{
    showFigureValues(figureValues_, collocateFigures, report_);
    shown_ =
        filterBar->shownAmong(shownCollocates(report_, {minCountBox->value(), minScoreBox->currentData().toDouble()}),
                              std::span<const Collocate>(report_.collocates), &Collocate::form);
    shownCountValue->setText(QString::number(shown_.size()));
    rowsModel_->setRows(report_.collocates, shown_);
}

void CollocatesWindow::showFormInContext(const QModelIndex& index)
{
    ConcordanceWindow::open(this, text_, rowsModel_->rowAt(static_cast<std::size_t>(index.row())).form);
}

} // namespace quorvelle::ui
