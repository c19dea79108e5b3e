// The attestation-frequencies window.
#include "ui/stats/FrequenciesWindow.h"
#include "ui/cancellable_work.h"

#include "core/presentation/result_listing.h"
#include "core/statistics/frequencies_statistic.h"
#include "ui/LoadedTextBox.h"
#include "ui/WaitDialog.h"
#include "ui/charts/chart_windows.h"
#include "ui/cp1252_text.h"
#include "ui/figure_explanations.h"
#include "ui/figure_labels.h"
#include "ui/stats/LinkedLists.h"
#include "ui/window_layout.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QListView>

#include <optional>

namespace quorvelle::ui {

FrequenciesWindow::FrequenciesWindow(SharedText text, FrequencyReport report, QWidget* parent)
    : StatisticsWindow(text->letters(), parent)
    , text_(std::move(text))
    , report_(std::move(report))
    , rowsModel_(new RowsModel(FrequenciesStatistic::table.columns, this))
{
    QGroupBox* totalsFrame = createFiguresFrame(FrequenciesStatistic::figures, report_, this);
    QGroupBox* resultsFrame = createFrame("resultsFrame", tr("Résultats"), this);
    LinkedLists* lists =
        LinkedLists::addToGrid(new QGridLayout(resultsFrame), 0, rowsModel_,
                               {{"frequencyHeading", "frequencyList", attestationFrequencyTip()},
                                {"formCountHeading", "formCountList", tr("Nombre de forme(s)")},
                                {"deviationHeading", "deviationList", tr("Ecarts positifs ou négatifs")}},
                               LinkedLists::Driver::FirstList, resultsFrame);
    explainListRows(lists->lists(), FrequenciesStatistic::rowFigures, report_, *rowsModel_);
    const ResultFrame forms = createResultFrame("formsFrame", tr("Forme(s)"), "formsBox", ScrollBars::Vertical, this);
    formsBox = forms.box;

    build({.caption = tr("Parvane Dorlesca - Les fréquences d'attestation des formes - Calcul des écarts"),
           .title = utf8Text(FrequenciesStatistic::info.title),
           .body = {{Row{{Column{totalsFrame, {resultsFrame, 1}}, 3}, {forms.frame, 2}}, 1}},
           .size = {860, 580},
           .menuBar = {.resultBox = formsBox},
           .tableExport = {rowsModel_, tr("frequences.csv")},
           .chartItems = {{"positiveDeviationsChartAction", tr("&Ecart positif"),
                           [this] { openModal<PositiveDeviationsChart>(this, deviationRows()); }},
                          {"negativeDeviationsChartAction", tr("Ecart &négatif"),
                           [this] { openModal<NegativeDeviationsChart>(this, deviationRows()); }},
                          {"zipfChartAction", tr("Loi de &Zipf"), [this] { openZipfChart(); }}}});
    connect(lists, &LinkedLists::rowSelected, this, &FrequenciesWindow::showFormsOfRow);
    rowsModel_->setRows(report_.rows);
    lists->selectRow(0);
    offerFormsInContext(text_);
}

std::vector<DeviationChartRow> FrequenciesWindow::deviationRows() const
{
    return rowsModel_->shownRows([](const FrequencyRow& row) {
        return DeviationChartRow{row.frequency, row.formCount, row.deviation};
    });
}

void FrequenciesWindow::openZipfChart()
{
    std::optional<ZipfReport> report = resultAfterWaiting(
        this, runCancellable([text = text_] { return zipfReport(text->tokens(Occurrences::Counted)); }));
    if (report)
        openModeless<ZipfChart>(this, std::move(*report));
}

void FrequenciesWindow::showFormsOfRow(int row)
{
    ResultListing listing;
    for (const FormCount& form : report_.formsOf(rowsModel_->rowAt(static_cast<std::size_t>(row))))
        listing.addForm(form.form);
    formsBox->setCp1252Text(std::make_shared<const std::string>(std::move(listing).text()));
}

} // namespace quorvelle::ui
