// The vocabulary list window.
#include "ui/stats/VocabularyWindow.h"

#include "core/presentation/word_cloud.h"
#include "core/statistics/vocabulary_statistic.h"
#include "ui/charts/WordCloudChart.h"
#include "ui/cp1252_text.h"
#include "ui/figure_labels.h"
#include "ui/printing.h"
#include "ui/report_grid.h"
#include "ui/stats/ConcordanceWindow.h"
#include "ui/stats/FormFilterBar.h"
#include "ui/stats/vocabulary_printing.h"
#include "ui/window_layout.h"

#include <QAction>
#include <QHeaderView>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>

#include <algorithm>

namespace quorvelle::ui {
namespace {

constexpr int rowPadding = 6;
constexpr int countColumnTwips = 2000;

} // namespace

VocabularyWindow::VocabularyWindow(SharedText text, VocabularyReport report, QWidget* parent)
    : StatisticsWindow(text->letters(), parent)
    , text_(std::move(text))
    , report_(std::move(report))
    , gridModel_(new GridModel(VocabularyStatistic::table.columns, this))
{
    const QString title = utf8Text(VocabularyStatistic::info.title);
    vocabularyGrid = createReportGrid("vocabularyGrid", gridModel_, title, this);
    vocabularyGrid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    vocabularyGrid->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + rowPadding);
    QHeaderView* header = vocabularyGrid->horizontalHeader();
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    header->setSectionResizeMode(1, QHeaderView::Fixed);
    // 2000 twips, or the header's own width where its bold text needs more.
    header->resizeSection(1, std::max(twipsToDots(countColumnTwips, logicalDpiX()), header->sectionSizeHint(1)));
    switchOrderButton = createCommandButton(tr("Tri par fréquences décroissantes"), this);
    Q_SET_OBJECT_NAME(switchOrderButton);
    QGroupBox* totalsFrame = createFiguresFrame(VocabularyStatistic::figures, report_, this);
    filterBar = new FormFilterBar(text_->letters(), FormFilterBar::FunctionWordChoice::Offered, this);
    Q_SET_OBJECT_NAME(filterBar);

    build({.caption = tr("Parvane Dorlesca - Liste du vocabulaire"),
           .title = title,
           .body = {filterBar,
                    {Row{{vocabularyGrid, 1}, Column{totalsFrame, Spacing{12}, switchOrderButton, Stretch{}}}, 1}},
           .size = {760, 560},
           .menuBar = {.closingItemName = "closeAction", .closingItemCaption = tr("&Fermer")},
           .fileItems = {{"printAction", tr("&Imprimer"), [this] { printVocabulary(); }}},
           .tableExport = {gridModel_, tr("vocabulaire.csv")},
           .chartItems = {{"wordCloudAction", tr("&Nuage de mots"), [this] { openWordCloud(); }}}});
    connect(switchOrderButton, &QPushButton::clicked, this, &VocabularyWindow::switchOrder);
    connect(filterBar, &FormFilterBar::changed, this, &VocabularyWindow::showRows);
    connect(vocabularyGrid, &QTableView::activated, this, &VocabularyWindow::showFormInContext);
    auto* inContextAction = new QAction(tr("Voir en contexte"), vocabularyGrid);
    Q_SET_OBJECT_NAME(inContextAction);
    vocabularyGrid->addAction(inContextAction);
    vocabularyGrid->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(inContextAction, &QAction::triggered, this, &VocabularyWindow::showFormInContext);
    showRows();
}

void VocabularyWindow::showRows()
{
    const bool alphabetical = order_ == GridOrder::Alphabetical;
    const std::vector<FormCount>& rows = alphabetical ? report_.alphabetical : report_.byFrequency;
    gridModel_->setRows(rows, filterBar->shownOf(std::span<const FormCount>(rows), &FormCount::form));
    switchOrderButton->setText(alphabetical ? tr("Tri par fréquences décroissantes") : tr("Tri alphabétique"));
}

void VocabularyWindow::switchOrder()
{
    order_ = order_ == GridOrder::Alphabetical ? GridOrder::ByFrequency : GridOrder::Alphabetical;
    showRows();
}

// Prints the grid in the order it shows, its headings first.
void VocabularyWindow::printVocabulary()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    if (!setUpPrinter(printer, this))
        return;
    const HourglassCursor hourglass;
    const auto cell = [this](int row, int column) {
        return gridModel_->index(row, column).data().toString().toStdString();
    };
    std::vector<GridRow> rows{{gridModel_->headerData(0, Qt::Horizontal).toString().toStdString(),
                               gridModel_->headerData(1, Qt::Horizontal).toString().toStdString()}};
    rows.reserve(static_cast<std::size_t>(gridModel_->rowCount()) + 1);
    for (int row = 0; row < gridModel_->rowCount(); ++row)
        rows.push_back({cell(row, 0), cell(row, 1)});
    if (!printListing(printer, layoutPrintedGrid(rows)))
        reportPrintingFailure(this);
}

void VocabularyWindow::openWordCloud()
{
    openModeless<WordCloudChart>(this, weighedByCount(report_.byFrequency), tr("Nuage de mots"),
                                 tr("Nombre d'attestations"));
}

void VocabularyWindow::showFormInContext()
{
    const QModelIndex current = vocabularyGrid->currentIndex();
    if (current.isValid())
        ConcordanceWindow::open(this, text_, gridModel_->rowAt(static_cast<std::size_t>(current.row())).form);
}

} // namespace quorvelle::ui
