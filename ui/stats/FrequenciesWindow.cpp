// The attestation-frequencies window.
#include "ui/stats/FrequenciesWindow.h"

#include "core/statistics/frequencies_statistic.h"

#include "core/presentation/result_listing.h"
#include "ui/PlainTextBox.h"
#include "ui/charts/chart_windows.h"
#include "ui/cp1252_text.h"
#include "ui/figure_explanations.h"
#include "ui/figure_labels.h"
#include "ui/menus.h"
#include "ui/shell/WaitDialog.h"
#include "ui/stats/LinkedLists.h"
#include "ui/table_export.h"
#include "ui/window_layout.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListView>
#include <QVBoxLayout>
#include <QtConcurrent>

#include <optional>

namespace quorvelle::ui {
namespace {

constexpr QSize windowSize(860, 580);

} // namespace

FrequenciesWindow::FrequenciesWindow(SharedText text, FrequencyReport report, QWidget* parent)
    : StatisticsWindow(text->letters(), parent)
    , text_(std::move(text))
    , report_(std::move(report))
{
    buildUi();
    connectSignals();
    showReport();
    offerFormsInContext(text_);
}

void FrequenciesWindow::buildUi()
{
    setWindowTitle(tr("Parvane Dorlesca - Les fréquences d'attestation des formes - Calcul des écarts"));

    QGroupBox* totalsFrame = createFiguresFrame(FrequenciesStatistic::figures, report_, this);

    auto* resultsFrame = new QGroupBox(tr("Résultats"), this);
    Q_SET_OBJECT_NAME(resultsFrame);
    rowsModel_ = new RowsModel(FrequenciesStatistic::table.columns, this);
    const QList<QListView*> lists =
        addColumnLists(new QGridLayout(resultsFrame), 0, rowsModel_,
                       {{"frequencyHeading", "frequencyList", tr("Fréquence d'attestation réelle")},
                        {"formCountHeading", "formCountList", tr("Nombre de forme(s)")},
                        {"deviationHeading", "deviationList", tr("Ecarts positifs ou négatifs")}},
                       resultsFrame);
    lists_ = new LinkedLists(lists, LinkedLists::Driver::FirstList, this);
    explainListRows(lists, FrequenciesStatistic::rowFigures, report_, *rowsModel_);

    const auto [formsFrame, box] =
        createResultFrame("formsFrame", tr("Forme(s)"), "formsBox", ScrollBars::Vertical, this);
    formsBox = box;

    auto* left = new QVBoxLayout;
    left->addWidget(totalsFrame);
    left->addWidget(resultsFrame, 1);
    auto* body = new QHBoxLayout;
    body->addLayout(left, 3);
    body->addWidget(formsFrame, 2);
    addWindowTitle(utf8Text(FrequenciesStatistic::info.title));
    windowLayout()->addLayout(body, 1);

    const WindowMenus menus = buildMenuBar({.resultBox = formsBox, .charts = true});
    addExportItem(menus.file, rowsModel_, tr("frequences.csv"), this);
    connect(addMenuItem(menus.charts, "positiveDeviationsChartAction", tr("&Ecart positif")), &QAction::triggered, this,
            &FrequenciesWindow::openPositiveDeviationsChart);
    connect(addMenuItem(menus.charts, "negativeDeviationsChartAction", tr("Ecart &négatif")), &QAction::triggered, this,
            &FrequenciesWindow::openNegativeDeviationsChart);
    connect(addMenuItem(menus.charts, "zipfChartAction", tr("Loi de &Zipf")), &QAction::triggered, this,
            &FrequenciesWindow::openZipfChart);
    resize(windowSize);
}

std::vector<DeviationChartRow> FrequenciesWindow::deviationRows() const
{
    return rowsModel_->shownRows([](const FrequencyRow& row) {
        return DeviationChartRow{row.frequency, row.formCount, row.deviation};
    });
}

void FrequenciesWindow::openPositiveDeviationsChart()
{
    openModal<PositiveDeviationsChart>(this, deviationRows());
}

void FrequenciesWindow::openNegativeDeviationsChart()
{
    openModal<NegativeDeviationsChart>(this, deviationRows());
}

void FrequenciesWindow::openZipfChart()
{
    std::optional<ZipfReport> report = resultAfterWaiting(
        this, QtConcurrent::run([text = text_] { return zipfReport(text->tokens(Occurrences::Counted)); }));
    if (report)
        openModeless<ZipfChart>(this, std::move(*report));
}

void FrequenciesWindow::connectSignals()
{
    connect(lists_, &LinkedLists::rowSelected, this, &FrequenciesWindow::showFormsOfRow);
}

void FrequenciesWindow::showReport()
{
    rowsModel_->setRows(report_.rows);
    lists_->selectRow(0);
}

void FrequenciesWindow::showFormsOfRow(int row)
{
    ResultListing listing;
    for (const FormCount& form : report_.formsOf(rowsModel_->rowAt(static_cast<std::size_t>(row))))
        listing.addForm(form.form);
    formsBox->setText(fromCp1252(listing.text()));
}

} // namespace quorvelle::ui
