// The vocabulary-enrichment window.
#include "ui/stats/EnrichmentWindow.h"

#include "core/statistics/enrichment_statistic.h"

#include "core/presentation/french_messages.h"
#include "core/presentation/result_listing.h"
#include "ui/PlainTextBox.h"
#include "ui/charts/chart_windows.h"
#include "ui/cp1252_text.h"
#include "ui/figure_explanations.h"
#include "ui/figure_labels.h"
#include "ui/menus.h"
#include "ui/stats/LinkedLists.h"
#include "ui/table_export.h"
#include "ui/window_layout.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace quorvelle::ui {
namespace {

constexpr QSize windowSize(760, 560);

} // namespace

EnrichmentWindow::EnrichmentWindow(SharedText text, EnrichmentReport report, QWidget* parent)
    : StatisticsWindow(text->letters(), parent)
    , report_(std::move(report))
{
    buildUi();
    connectSignals();
    showReport();
    offerFormsInContext(std::move(text));
}

void EnrichmentWindow::buildUi()
{
    setWindowTitle(tr("Parvane Dorlesca -  L'enrichissement du vocabulaire"));

    QGroupBox* totalsFrame = createFiguresFrame(EnrichmentStatistic::figures, report_, this);

    auto* resultsFrame = new QGroupBox(tr("Résultats"), this);
    Q_SET_OBJECT_NAME(resultsFrame);
    slicesModel_ = new SlicesModel(EnrichmentStatistic::table.columns, this);
    const QString headingTip = tr("Fréquence d'attestation réelle");
    auto* results = new QGridLayout(resultsFrame);
    lists_ = new LinkedLists(addColumnLists(results, 0, slicesModel_,
                                            {{"sliceHeading", "sliceList", headingTip},
                                             {"newFormCountHeading", "newFormCountList", headingTip}},
                                            resultsFrame),
                             LinkedLists::Driver::AnyList, this);
    auto* sliceSizeNote = new QLabel(tr("* Une tranche = %1 mots").arg(enrichmentSliceSize), resultsFrame);
    Q_SET_OBJECT_NAME(sliceSizeNote);
    results->addWidget(sliceSizeNote, 2, 0, 1, 2);

    const auto [formsFrame, box] =
        createResultFrame("formsFrame", tr("Formes"), "formsBox", ScrollBars::Vertical, this);
    formsBox = box;

    auto* left = new QVBoxLayout;
    left->addWidget(totalsFrame);
    left->addWidget(resultsFrame, 1);
    auto* body = new QHBoxLayout;
    body->addLayout(left, 1);
    body->addWidget(formsFrame, 1);
    addWindowTitle(utf8Text(EnrichmentStatistic::info.title));
    windowLayout()->addLayout(body, 1);

    const WindowMenus menus = buildMenuBar({.resultBox = formsBox, .charts = true});
    addExportItem(menus.file, slicesModel_, tr("enrichissement.csv"), this);
    connect(addMenuItem(menus.charts, "enrichmentChartAction", tr("&Affichage")), &QAction::triggered, this,
            &EnrichmentWindow::openEnrichmentChart);
    resize(windowSize);
}

void EnrichmentWindow::openEnrichmentChart()
{
    openModal<EnrichmentChart>(this, slicesModel_->shownRows([](const EnrichmentSlice& slice) {
        return CountChartRow{std::to_string(slice.number), slice.newFormCount};
    }));
}

void EnrichmentWindow::connectSignals()
{
    connect(lists_, &LinkedLists::rowSelected, this, &EnrichmentWindow::showNewFormsOfRow);
}

void EnrichmentWindow::showReport()
{
    slicesModel_->setRows(report_.slices);
}

void EnrichmentWindow::showNewFormsOfRow(int row)
{
    ResultListing listing;
    for (const KnownForm& form : report_.newFormsOf(slicesModel_->rowAt(static_cast<std::size_t>(row))))
        listing.addForm(form.form, form.attestations);
    formsBox->setText(fromCp1252(listing.text()));
}

} // namespace quorvelle::ui
