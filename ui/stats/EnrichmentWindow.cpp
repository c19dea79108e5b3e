// The vocabulary-enrichment window.
#include "ui/stats/EnrichmentWindow.h"

#include "core/presentation/french_messages.h"
#include "core/presentation/result_listing.h"
#include "core/statistics/enrichment_statistic.h"
#include "ui/LoadedTextBox.h"
#include "ui/charts/chart_windows.h"
#include "ui/cp1252_text.h"
#include "ui/figure_labels.h"
#include "ui/stats/LinkedLists.h"
#include "ui/window_layout.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

namespace quorvelle::ui {

EnrichmentWindow::EnrichmentWindow(SharedText text, EnrichmentReport report, QWidget* parent)
    : StatisticsWindow(text->letters(), parent)
    , report_(std::move(report))
    , slicesModel_(new SlicesModel(EnrichmentStatistic::table.columns, this))
{
    QGroupBox* totalsFrame = createFiguresFrame(EnrichmentStatistic::figures, report_, this);
    QGroupBox* resultsFrame = createFrame("resultsFrame", tr("Résultats"), this);
    auto* results = new QGridLayout(resultsFrame);
    const LinkedLists* lists =
        LinkedLists::addToGrid(results, 0, slicesModel_,
                               {{"sliceHeading", "sliceList", attestationFrequencyTip()},
                                {"newFormCountHeading", "newFormCountList", attestationFrequencyTip()}},
                               LinkedLists::Driver::AnyList, resultsFrame);
    auto* sliceSizeNote = new QLabel(tr("* Une tranche = %1 mots").arg(enrichmentSliceSize), resultsFrame);
    Q_SET_OBJECT_NAME(sliceSizeNote);
    results->addWidget(sliceSizeNote, 2, 0, 1, 2);
    const ResultFrame forms = createResultFrame("formsFrame", tr("Formes"), "formsBox", ScrollBars::Vertical, this);
    formsBox = forms.box;

    build({.caption = tr("Parvane Dorlesca -  L'enrichissement du vocabulaire"),
           .title = utf8Text(EnrichmentStatistic::info.title),
           .body = {{Row{{Column{totalsFrame, {resultsFrame, 1}}, 1}, {forms.frame, 1}}, 1}},
           .size = {760, 560},
           .menuBar = {.resultBox = formsBox},
           .tableExport = {slicesModel_, tr("enrichissement.csv")},
           .chartItems = {{"enrichmentChartAction", tr("&Affichage"), [this] { openEnrichmentChart(); }}}});
    connect(lists, &LinkedLists::rowSelected, this, &EnrichmentWindow::showNewFormsOfRow);
    slicesModel_->setRows(report_.slices);
    offerFormsInContext(std::move(text));
}

void EnrichmentWindow::openEnrichmentChart()
{
    openModal<EnrichmentChart>(this, slicesModel_->shownRows([](const EnrichmentSlice& slice) {
        return CountChartRow{std::to_string(slice.number), slice.newFormCount};
    }));
}

void EnrichmentWindow::showNewFormsOfRow(int row)
{
    ResultListing listing;
    for (const KnownForm& form : report_.newFormsOf(slicesModel_->rowAt(static_cast<std::size_t>(row))))
        listing.addForm(form.form, form.attestations);
    formsBox->setCp1252Text(std::make_shared<const std::string>(std::move(listing).text()));
}

} // namespace quorvelle::ui
