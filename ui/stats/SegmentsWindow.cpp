// The repeated-segments window.
#include "ui/stats/SegmentsWindow.h"
#include "ui/cancellable_work.h"

#include "core/statistics/segments_statistic.h"
#include "ui/WaitDialog.h"
#include "ui/cp1252_text.h"
#include "ui/report_grid.h"
#include "ui/stats/ConcordanceWindow.h"
#include "ui/stats/FormFilterBar.h"
#include "ui/window_layout.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QTableView>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

namespace quorvelle::ui {
namespace {

constexpr int largestChoice = 1'000'000;
constexpr int noLengthBound = 0; // maxLengthBox's value for no upper bound

// The order that a click on a column's heading asks for.
constexpr SegmentOrder orderOfColumn[] = {SegmentOrder::Alphabetical, SegmentOrder::Frequency, SegmentOrder::Length};
constexpr int frequencyColumn = 1;

} // namespace

SegmentsWindow::SegmentsWindow(SharedText text, RepeatedSegmentsReport report, QWidget* parent)
    : StatisticsWindow(text->letters(), parent)
    , text_(std::move(text))
    , report_(std::move(report))
    , rowsModel_(new RowsModel(SegmentsStatistic::table.columns, this))
{
    QGroupBox* totalsFrame = createFrame("totalsFrame", tr("Statistiques"), this);
    const QList<QLabel*> totals = addTotals(totalsFrame,
                                            {{"tokenCountCaption", tr("Formes du texte :"), "tokenCountValue"},
                                             {"segmentCountCaption", tr("Segments listés :"), "segmentCountValue"}});
    totals[0]->setText(QString::number(report_.tokenCount));
    segmentCountValue = totals[1];

    minFrequencyBox = new QSpinBox(this);
    Q_SET_OBJECT_NAME(minFrequencyBox);
    minFrequencyBox->setRange(static_cast<int>(smallestSegmentFrequency), largestChoice);
    minLengthBox = new QSpinBox(this);
    Q_SET_OBJECT_NAME(minLengthBox);
    minLengthBox->setRange(static_cast<int>(smallestSegmentLength), largestChoice);
    maxLengthBox = new QSpinBox(this);
    Q_SET_OBJECT_NAME(maxLengthBox);
    maxLengthBox->setRange(noLengthBound, largestChoice);
    maxLengthBox->setSpecialValueText(tr("sans limite"));
    maximalBox = new QCheckBox(tr("Segments &maximaux"), this);
    Q_SET_OBJECT_NAME(maximalBox);
    maximalBox->setToolTip(tr("Seulement les segments qui ne font pas toujours partie d'un même segment plus long"));
    showOptions(report_.options);
    auto* choices = new QGridLayout;
    addLabelledControl(choices, 0, "minFrequencyLabel", tr("&Fréquence au moins :"), minFrequencyBox);
    addLabelledControl(choices, 1, "minLengthLabel", tr("&Longueur au moins :"), minLengthBox);
    addLabelledControl(choices, 2, "maxLengthLabel", tr("Longueur au &plus :"), maxLengthBox);
    choices->addWidget(maximalBox, 3, 1);

    filterBar = new FormFilterBar(text_->letters(), FormFilterBar::FunctionWordChoice::Offered, this);
    Q_SET_OBJECT_NAME(filterBar);
    segmentGrid = createReportGrid("segmentGrid", rowsModel_, utf8Text(SegmentsStatistic::info.title), this);
    QHeaderView* header = segmentGrid->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setSortIndicator(frequencyColumn, Qt::DescendingOrder);

    build({.caption = tr("Parvane Dorlesca - Segments répétés"),
           .title = utf8Text(SegmentsStatistic::info.title),
           .body = {Row{totalsFrame, choices, Stretch{1}}, filterBar, {segmentGrid, 1}},
           .size = {900, 640},
           .menuBar = {.grid = segmentGrid},
           .tableExport = {rowsModel_, tr("segments-repetes.csv")}});
    for (QSpinBox* box : {minFrequencyBox, minLengthBox, maxLengthBox})
        connect(box, &QSpinBox::editingFinished, this, &SegmentsWindow::computeWithChosenOptions);
    connect(maximalBox, &QCheckBox::toggled, this, &SegmentsWindow::computeWithChosenOptions);
    connect(header, &QHeaderView::sortIndicatorChanged, this, &SegmentsWindow::showSegments);
    connect(segmentGrid, &QTableView::activated, this, &SegmentsWindow::showSegmentInContext);
    connect(filterBar, &FormFilterBar::changed, this, &SegmentsWindow::showSegments);
    showSegments();
}

SegmentOptions SegmentsWindow::chosenOptions() const
{
    SegmentOptions options{.minFrequency = minFrequencyBox->value(),
                           .minLength = minLengthBox->value(),
                           .maxLength = std::nullopt,
                           .maximalOnly = maximalBox->isChecked()};
    if (maxLengthBox->value() != noLengthBound)
        options.maxLength = std::max(maxLengthBox->value(), minLengthBox->value());
    return options;
}

void SegmentsWindow::showOptions(const SegmentOptions& options)
{
    const QSignalBlocker frequencyBlocker(minFrequencyBox);
    const QSignalBlocker minLengthBlocker(minLengthBox);
    const QSignalBlocker maxLengthBlocker(maxLengthBox);
    const QSignalBlocker maximalBlocker(maximalBox);
    minFrequencyBox->setValue(static_cast<int>(options.minFrequency));
    minLengthBox->setValue(static_cast<int>(options.minLength));
    maxLengthBox->setValue(options.maxLength ? static_cast<int>(*options.maxLength) : noLengthBound);
    maximalBox->setChecked(options.maximalOnly);
}

// A choice given up while it is computed goes back to the listing's; a longest length below
// the shortest is raised to it.
void SegmentsWindow::computeWithChosenOptions()
{
    const SegmentOptions options = chosenOptions();
    if (options == report_.options) {
        showOptions(options);
        return;
    }
    std::optional<RepeatedSegmentsReport> report = resultAfterWaiting(
        this,
        runCancellable([text = text_, options] { return SegmentsStatistic::report(AnalysedTexts(text), options); }));
    if (report)
        report_ = std::move(*report);
    showOptions(report_.options);
    showSegments();
}

void SegmentsWindow::showSegments()
{
    QHeaderView* header = segmentGrid->horizontalHeader();
    const int column = std::clamp(header->sortIndicatorSection(), 0, 2);
    // Texts sort ascending, frequencies and lengths descending; a heading clicked again
    // reverses. Qt would start every newly clicked heading ascending.
    const Qt::SortOrder naturalOrder = column == 0 ? Qt::AscendingOrder : Qt::DescendingOrder;
    if (column != sortedColumn_) {
        sortedColumn_ = column;
        const QSignalBlocker blocker(header);
        header->setSortIndicator(column, naturalOrder);
    }
    shown_ = repeatedSegmentOrder(report_, orderOfColumn[column]);
    if (header->sortIndicatorOrder() != naturalOrder)
        std::ranges::reverse(shown_);
    shown_ = filterBar->shownAmong(std::move(shown_), std::span<const RepeatedSegment>(report_.segments),
                                   &RepeatedSegment::forms);
    segmentCountValue->setText(QString::number(shown_.size()));
    rowsModel_->setRows(report_.segments, shown_);
}

void SegmentsWindow::showSegmentInContext(const QModelIndex& index)
{
    ConcordanceWindow::open(this, text_, std::string(rowsModel_->rowAt(static_cast<std::size_t>(index.row())).forms));
}

} // namespace quorvelle::ui
