// The co-occurrences window.
#include "ui/stats/CooccurrencesWindow.h"

#include "core/statistics/cooccurrences_statistic.h"

#include "core/presentation/result_listing.h"
#include "ui/PlainTextBox.h"
#include "ui/cp1252_text.h"
#include "ui/stats/LinkedLists.h"
#include "ui/table_export.h"
#include "ui/window_layout.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvelle::ui {
namespace {

constexpr QSize windowSize(820, 560);

} // namespace

CooccurrencesWindow::CooccurrencesWindow(SharedText text, CooccurrenceReport report, QWidget* parent)
    : StatisticsWindow(text->letters(), parent)
    , report_(std::move(report))
{
    buildUi();
    connectSignals();
    showReport();
    offerFormsInContext(std::move(text));
}

void CooccurrencesWindow::buildUi()
{
    setWindowTitle(tr("Parvane Dorlesca - Les cooccurrences"));

    auto* resultsFrame = new QGroupBox(tr("Résultats"), this);
    Q_SET_OBJECT_NAME(resultsFrame);
    rowsModel_ = new RowsModel(CooccurrencesStatistic::table.columns, this);
    const QString headingTip = tr("Fréquence d'attestation réelle");
    lists_ = new LinkedLists(addColumnLists(new QGridLayout(resultsFrame), 0, rowsModel_,
                                            {{"attestationCountHeading", "attestationCountList", headingTip},
                                             {"pairCountHeading", "pairCountList", headingTip}},
                                            resultsFrame),
                             LinkedLists::Driver::FirstList, this);

    auto* showAllFrame = new QGroupBox(tr("Afficher toutes les cooccurrences par "), this);
    Q_SET_OBJECT_NAME(showAllFrame);
    showAllAlphabeticallyButton = createCommandButton(tr("Ordre alphabétique"), showAllFrame);
    Q_SET_OBJECT_NAME(showAllAlphabeticallyButton);
    showAllByCountButton = createCommandButton(tr("Nombre d'attestations"), showAllFrame);
    Q_SET_OBJECT_NAME(showAllByCountButton);
    auto* buttons = new QHBoxLayout(showAllFrame);
    buttons->addWidget(showAllAlphabeticallyButton);
    buttons->addWidget(showAllByCountButton);

    const auto [pairsFrame, box] =
        createResultFrame("pairsFrame", tr("Cooccurrences"), "pairsBox", ScrollBars::Vertical, this);
    pairsBox = box;

    auto* left = new QVBoxLayout;
    left->addWidget(resultsFrame, 1);
    left->addWidget(showAllFrame);
    auto* body = new QHBoxLayout;
    body->addLayout(left, 1);
    body->addWidget(pairsFrame, 1);
    addWindowTitle(utf8Text(CooccurrencesStatistic::info.title));
    windowLayout()->addLayout(body, 1);

    addExportItem(buildMenuBar({.resultBox = pairsBox}).file, rowsModel_, tr("cooccurrences.csv"), this);
    resize(windowSize);
}

void CooccurrencesWindow::connectSignals()
{
    connect(lists_, &LinkedLists::rowSelected, this, &CooccurrencesWindow::showPairsOfRow);
    connect(showAllAlphabeticallyButton, &QPushButton::clicked, this, &CooccurrencesWindow::showAllPairsAlphabetically);
    connect(showAllByCountButton, &QPushButton::clicked, this, &CooccurrencesWindow::showAllPairsByCount);
}

void CooccurrencesWindow::showReport()
{
    rowsModel_->setRows(report_.rows);
    lists_->selectRow(0);
}

void CooccurrencesWindow::showPairsOfRow(int row)
{
    listPairs(report_.pairsOf(rowsModel_->rowAt(static_cast<std::size_t>(row))));
}

void CooccurrencesWindow::showAllPairsAlphabetically()
{
    listPairs(report_.pairs);
}

void CooccurrencesWindow::showAllPairsByCount()
{
    listPairs(report_.pairsByCount());
}

void CooccurrencesWindow::listPairs(FormList pairs)
{
    pairsBox->setText(fromCp1252(resultListing(pairs)));
}

} // namespace quorvelle::ui
