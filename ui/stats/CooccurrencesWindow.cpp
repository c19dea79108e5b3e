// The co-occurrences window.
#include "ui/stats/CooccurrencesWindow.h"

#include "core/presentation/result_listing.h"
#include "core/statistics/cooccurrences_statistic.h"
#include "ui/LoadedTextBox.h"
#include "ui/cp1252_text.h"
#include "ui/stats/LinkedLists.h"
#include "ui/window_layout.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>

namespace quorvelle::ui {

CooccurrencesWindow::CooccurrencesWindow(SharedText text, CooccurrenceReport report, QWidget* parent)
    : StatisticsWindow(text->letters(), parent)
    , report_(std::move(report))
    , rowsModel_(new RowsModel(CooccurrencesStatistic::table.columns, this))
{
    QGroupBox* resultsFrame = createFrame("resultsFrame", tr("Résultats"), this);
    lists_ = LinkedLists::addToGrid(new QGridLayout(resultsFrame), 0, rowsModel_,
                                    {{"attestationCountHeading", "attestationCountList", attestationFrequencyTip()},
                                     {"pairCountHeading", "pairCountList", attestationFrequencyTip()}},
                                    LinkedLists::Driver::FirstList, resultsFrame);
    QGroupBox* showAllFrame = createFrame("showAllFrame", tr("Afficher toutes les cooccurrences par "), this);
    QPushButton* showAllAlphabeticallyButton = createCommandButton(tr("Ordre alphabétique"), showAllFrame);
    Q_SET_OBJECT_NAME(showAllAlphabeticallyButton);
    QPushButton* showAllByCountButton = createCommandButton(tr("Nombre d'attestations"), showAllFrame);
    Q_SET_OBJECT_NAME(showAllByCountButton);
    Row{showAllAlphabeticallyButton, showAllByCountButton}.attachTo(showAllFrame);
    const ResultFrame pairs =
        createResultFrame("pairsFrame", tr("Cooccurrences"), "pairsBox", ScrollBars::Vertical, this);
    pairsBox = pairs.box;

    build({.caption = tr("Parvane Dorlesca - Les cooccurrences"),
           .title = utf8Text(CooccurrencesStatistic::info.title),
           .body = {{Row{{Column{{resultsFrame, 1}, showAllFrame}, 1}, {pairs.frame, 1}}, 1}},
           .size = {820, 560},
           .menuBar = {.resultBox = pairsBox},
           .tableExport = {rowsModel_, tr("cooccurrences.csv")}});
    connect(lists_, &LinkedLists::rowSelected, this, &CooccurrencesWindow::showPairsOfRow);
    connect(showAllAlphabeticallyButton, &QPushButton::clicked, this, [this] { listPairs(report_.pairs); });
    connect(showAllByCountButton, &QPushButton::clicked, this, [this] { listPairs(report_.pairsByCount()); });
    rowsModel_->setRows(report_.rows);
    lists_->selectRow(0);
    offerFormsInContext(std::move(text));
}

void CooccurrencesWindow::showPairsOfRow(int row)
{
    listPairs(report_.pairsOf(rowsModel_->rowAt(static_cast<std::size_t>(row))));
}

void CooccurrencesWindow::listPairs(FormList pairs)
{
    pairsBox->setCp1252Text(std::make_shared<const std::string>(resultListing(pairs)));
}

} // namespace quorvelle::ui
