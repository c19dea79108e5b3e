// The lemmas window.
#include "ui/stats/LemmasWindow.h"
#include "ui/cancellable_work.h"

#include "core/statistics/lemmas_statistic.h"
#include "ui/WaitDialog.h"
#include "ui/charts/chart_windows.h"
#include "ui/cp1252_text.h"
#include "ui/figure_explanations.h"
#include "ui/report_grid.h"
#include "ui/stats/ConcordanceWindow.h"
#include "ui/stats/FormFilterBar.h"
#include "ui/window_layout.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QTableView>

#include <algorithm>
#include <numeric>
#include <optional>
#include <utility>

namespace quorvelle::ui {
namespace {

constexpr int lemmaColumn = 0;
constexpr int categoryColumn = 1;
constexpr int attestationsColumn = 2;
constexpr int checksPerRow = 5;

// The object names of the category boxes, in the order of allWordCategories.
constexpr std::array<const char*, allWordCategories.size()> categoryCheckNames = {
    "nounCheck",         "properNounCheck", "verbCheck",    "auxiliaryCheck",   "adjectiveCheck",
    "adverbCheck",       "determinerCheck", "pronounCheck", "prepositionCheck", "conjunctionCheck",
    "interjectionCheck", "numberCheck",     "unknownCheck",
};

} // namespace

LemmasWindow::LemmasWindow(SharedText text, LemmaAnalysis analysis, QWidget* parent)
    : StatisticsWindow(text->letters(), parent)
    , text_(std::move(text))
    , analysis_(std::move(analysis))
    , lemmasModel_(new RowTableModel<LemmaRow>(LemmasStatistic::table.columns, this))
    , formsModel_(new RowTableModel<FormCount>(LemmasStatistic::formTable.columns, this))
    , categoriesModel_(new RowTableModel<CategoryRow>(LemmasStatistic::categoryTable.columns, this))
{
    const LemmaReport& report = analysis_.report;
    QGroupBox* totalsFrame = createFrame("totalsFrame", tr("Statistiques"), this);
    const QList<QLabel*> totals = addTotals(totalsFrame,
                                            {{"wordCountCaption", tr("Mots lus :"), "wordCountValue"},
                                             {"lemmaCountCaption", tr("Lemmes :"), "lemmaCountValue"},
                                             {"shownCountCaption", tr("Lemmes montrés :"), "shownCountValue"}});
    totals[0]->setText(QString::number(report.wordCount));
    totals[1]->setText(QString::number(report.lemmas.size()));
    shownCountValue = totals[2];

    QGroupBox* categoriesFrame = createFrame("categoriesFrame", tr("Catégories"), this);
    auto* checks = new QGridLayout(categoriesFrame);
    for (std::size_t place = 0; place < allWordCategories.size(); ++place) {
        const CategoryRow& category = report.categories[place];
        QCheckBox* check = new QCheckBox(
            tr("%1 (%2)").arg(fromCp1252(categoryName(category.category))).arg(category.count), categoriesFrame);
        check->setObjectName(QString::fromLatin1(categoryCheckNames[place]));
        check->setChecked(true);
        checks->addWidget(check, static_cast<int>(place) / checksPerRow, static_cast<int>(place) % checksPerRow);
        connect(check, &QCheckBox::toggled, this, &LemmasWindow::showLemmas);
        categoryChecks[place] = check;
    }

    filterBar = new FormFilterBar(text_->letters(), FormFilterBar::FunctionWordChoice::NotOffered, this);
    Q_SET_OBJECT_NAME(filterBar);
    lemmaGrid = createReportGrid("lemmaGrid", lemmasModel_, tr("Lemmes"), this);
    // One line a lemma: the other readings of a common word run long, and are cut.
    lemmaGrid->setWordWrap(false);
    QHeaderView* header = lemmaGrid->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setStretchLastSection(true);
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setSortIndicator(attestationsColumn, Qt::DescendingOrder);

    lemmaFormGrid = createReportGrid("lemmaFormGrid", formsModel_, utf8Text(LemmasStatistic::formTable.title), this);
    lemmaFormGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    categoryGrid =
        createReportGrid("categoryGrid", categoriesModel_, utf8Text(LemmasStatistic::categoryTable.title), this);
    categoryGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    categoriesModel_->setRows(report.categories);
    explainGridRows(categoryGrid, LemmasStatistic::rowFigures, report, *categoriesModel_);

    auto* formsTitle = new QLabel(utf8Text(LemmasStatistic::formTable.title), this);
    Q_SET_OBJECT_NAME(formsTitle);
    auto* profileTitle = new QLabel(utf8Text(LemmasStatistic::categoryTable.title), this);
    Q_SET_OBJECT_NAME(profileTitle);

    build({.caption = tr("Parvane Dorlesca - Lemmes et catégories"),
           .title = utf8Text(LemmasStatistic::info.title),
           .body = {Row{totalsFrame, {categoriesFrame, 1}},
                    filterBar,
                    {Row{{lemmaGrid, 3}, {Column{formsTitle, {lemmaFormGrid, 1}, profileTitle, {categoryGrid, 2}}, 2}},
                     1}},
           .size = {1100, 720},
           .menuBar = {.grid = lemmaGrid},
           .tableExport = {lemmasModel_, tr("lemmes.csv")},
           .chartItems = {{"categoryChartAction", tr("&Profil des catégories"), [this] { openCategoryChart(); }}}});
    connect(header, &QHeaderView::sortIndicatorChanged, this, &LemmasWindow::showLemmas);
    connect(lemmaGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &LemmasWindow::showFormsOfRow);
    connect(lemmaGrid, &QTableView::activated, this, &LemmasWindow::showLemmaInContext);
    connect(filterBar, &FormFilterBar::changed, this, &LemmasWindow::showLemmas);
    showLemmas();
    // The lemmas are what the window is read for; the categories come after them on Tab.
    setTabOrder(lemmaGrid, categoryChecks.front());
    lemmaGrid->setFocus();
}

bool LemmasWindow::isShown(const LemmaRow& row) const
{
    return categoryChecks[static_cast<std::size_t>(row.category)]->isChecked();
}

std::vector<std::size_t> LemmasWindow::sortedRows(int column) const
{
    const std::vector<LemmaRow>& lemmas = analysis_.report.lemmas;
    if (column == lemmaColumn)
        return alphabeticalLemmaOrder(analysis_.report);
    // The report's order (attestations decreasing, then alphabetical) breaks the ties.
    std::vector<std::size_t> rows(lemmas.size());
    std::iota(rows.begin(), rows.end(), std::size_t{0});
    if (column == categoryColumn)
        std::ranges::stable_sort(rows, {}, [&](std::size_t row) { return lemmas[row].category; });
    else if (column != attestationsColumn) {
        const auto& cell = LemmasStatistic::table.columns[static_cast<std::size_t>(column)].cell;
        std::ranges::stable_sort(rows, std::ranges::greater(),
                                 [&](std::size_t row) { return std::get<std::int64_t>(cell(lemmas[row], row)); });
    }
    return rows;
}

void LemmasWindow::showLemmas()
{
    QHeaderView* header = lemmaGrid->horizontalHeader();
    // The last column, the other readings, is not an order.
    const int column =
        std::clamp(header->sortIndicatorSection(), 0, static_cast<int>(LemmasStatistic::columns.size()) - 2);
    // Lemmas and categories sort ascending, counts descending; a heading clicked again reverses.
    const Qt::SortOrder naturalOrder =
        column == lemmaColumn || column == categoryColumn ? Qt::AscendingOrder : Qt::DescendingOrder;
    if (column != sortedColumn_) {
        sortedColumn_ = column;
        const QSignalBlocker blocker(header);
        header->setSortIndicator(column, naturalOrder);
    }
    std::vector<std::size_t> rows = sortedRows(column);
    if (header->sortIndicatorOrder() != naturalOrder)
        std::ranges::reverse(rows);
    std::erase_if(rows, [this](std::size_t row) { return !isShown(analysis_.report.lemmas[row]); });
    rows = filterBar->shownAmong(std::move(rows), std::span<const LemmaRow>(analysis_.report.lemmas), &LemmaRow::lemma);
    shownCountValue->setText(QString::number(rows.size()));
    lemmasModel_->setRows(analysis_.report.lemmas, std::move(rows));
    formsModel_->setRows({});
    if (lemmasModel_->rowCount() > 0)
        lemmaGrid->setCurrentIndex(lemmasModel_->index(0, 0));
}

void LemmasWindow::showFormsOfRow(const QModelIndex& current)
{
    if (!current.isValid()) {
        formsModel_->setRows({});
        return;
    }
    formsModel_->setRows(lemmasModel_->rowAt(static_cast<std::size_t>(current.row())).forms);
}

void LemmasWindow::showLemmaInContext(const QModelIndex& index)
{
    const LemmatizedText::Id lemma = lemmasModel_->rowAt(static_cast<std::size_t>(index.row())).number;
    std::optional<Concordance> found =
        resultAfterWaiting(this, runCancellable([text = text_, lemmatized = analysis_.lemmatized, lemma] {
                               return lemmaConcordance(text->text(), text->tokens(), *lemmatized, std::span(&lemma, 1),
                                                       ConcordanceWindow::defaultContext);
                           }));
    if (found)
        openModeless<ConcordanceWindow>(this, text_, std::move(*found));
}

void LemmasWindow::openCategoryChart()
{
    std::vector<CountChartRow> rows;
    for (const CategoryRow& category : analysis_.report.categories)
        rows.push_back({std::string(categoryName(category.category)), category.count});
    openModal<CategoryProfileChart>(this, std::span<const CountChartRow>(rows));
}

} // namespace quorvelle::ui
