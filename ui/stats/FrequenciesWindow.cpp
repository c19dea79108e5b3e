// The attestation-frequencies window.
#include "ui/stats/FrequenciesWindow.h"

#include "core/result_listing.h"
#include "ui/PlainTextBox.h"
#include "ui/cp1252_text.h"
#include "ui/charts/chart_windows.h"
#include "ui/menus.h"
#include "ui/stats/LinkedLists.h"
#include "ui/stats/VocabularyTotals.h"
#include "ui/stats/table_export.h"
#include "ui/stats/window_layout.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace quorvelle::ui {
namespace {

constexpr QSize windowSize(860, 580);

enum Column { frequencyColumn, formCountColumn, deviationColumn };

} // namespace

FrequenciesWindow::FrequenciesWindow(std::string_view text, QWidget* parent)
    : StatisticsWindow(parent)
{
    buildUi();
    connectSignals();
    Form_Load(text);
    offerFormsInContext(text);
}

void FrequenciesWindow::buildUi()
{
    setWindowTitle(tr("Parvane Dorlesca - Les fréquences d'attestation des formes - Calcul des écarts"));

    Frame1 = new VocabularyTotals(this);

    auto* Frame2 = new QGroupBox(tr("Résultats"), this);
    Q_SET_OBJECT_NAME(Frame2);
    rowsModel_ = new RowsModel({RowsModel::countColumn(tr("Fréq. d' attestation réelle"), &FrequencyRow::frequency),
                                RowsModel::countColumn(tr("Nombre de forme(s)"), &FrequencyRow::formCount),
                                RowsModel::numberColumn(tr("Ecarts positifs ou négatifs"), &FrequencyRow::deviation)},
                               this);
    lists_ = new LinkedLists(addColumnLists(new QGridLayout(Frame2), 0, rowsModel_,
                                            {{"Label9", "List3", tr("Fréquence d'attestation réelle")},
                                             {"Label10", "List4", tr("Nombre de forme(s)")},
                                             {"Label11", "List5", tr("Ecarts positifs ou négatifs")}},
                                            Frame2),
                             LinkedLists::Driver::FirstList, this);

    const auto [Frame3, box] = createResultFrame("Frame3", tr("Forme(s)"), "Text1", ScrollBars::Vertical, this);
    Text1 = box;

    auto* left = new QVBoxLayout;
    left->addWidget(Frame1);
    left->addWidget(Frame2, 1);
    auto* body = new QHBoxLayout;
    body->addLayout(left, 3);
    body->addWidget(Frame3, 2);
    addWindowTitle(tr("Fréquences d'attestation - Calcul des écarts"));
    windowLayout()->addLayout(body, 1);

    const WindowMenus menus = buildMenuBar({.resultBox = Text1, .charts = true});
    addExportItem(menus.file, rowsModel_, tr("frequences.csv"), this);
    connect(addMenuItem(menus.charts, "ecartpositif", tr("&Ecart positif")), &QAction::triggered, this,
            &FrequenciesWindow::ecartpositif_Click);
    connect(addMenuItem(menus.charts, "ecartnegatif", tr("&Ecart négatif")), &QAction::triggered, this,
            &FrequenciesWindow::ecartnegatif_Click);
    resize(windowSize);
}

std::vector<DeviationChartRow> FrequenciesWindow::deviationRows() const
{
    return rowsModel_->shownRows([](const FrequencyRow& row) {
        return DeviationChartRow{row.frequency, row.formCount, row.deviation};
    });
}

void FrequenciesWindow::ecartpositif_Click()
{
    openModal<PositiveDeviationsChart>(this, deviationRows());
}

void FrequenciesWindow::ecartnegatif_Click()
{
    openModal<NegativeDeviationsChart>(this, deviationRows());
}

void FrequenciesWindow::connectSignals()
{
    connect(lists_, &LinkedLists::rowSelected, this, &FrequenciesWindow::List3_Click);
}

void FrequenciesWindow::Form_Load(std::string_view text)
{
    report_ = frequencyReport(text);
    Frame1->showTotals(report_.tokenCount, report_.distinctCount, report_.meanFrequency);
    rowsModel_->setRows(report_.rows);
    lists_->selectRow(0);
}

void FrequenciesWindow::List3_Click(int row)
{
    ResultListing listing;
    for (const FormCount& form : report_.formsOf(rowsModel_->rowAt(static_cast<std::size_t>(row))))
        listing.addForm(form.form);
    Text1->setText(fromCp1252(listing.text()));
}

} // namespace quorvelle::ui
