// The vocabulary-enrichment window.
#include "ui/stats/EnrichmentWindow.h"

#include "core/french_messages.h"
#include "core/result_listing.h"
#include "ui/PlainTextBox.h"
#include "ui/cp1252_text.h"
#include "ui/charts/chart_windows.h"
#include "ui/menus.h"
#include "ui/stats/LinkedLists.h"
#include "ui/stats/table_export.h"
#include "ui/stats/window_layout.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace quorvelle::ui {
namespace {

constexpr QSize windowSize(760, 560);

enum Column { sliceColumn, newFormCountColumn };

} // namespace

EnrichmentWindow::EnrichmentWindow(std::string_view text, QWidget* parent)
    : StatisticsWindow(parent)
{
    buildUi();
    connectSignals();
    Form_Load(text);
    offerFormsInContext(text);
}

void EnrichmentWindow::buildUi()
{
    setWindowTitle(tr("Parvane Dorlesca -  L'enrichissement du vocabulaire"));

    auto* Frame2 = new QGroupBox(tr("Statistiques"), this);
    Q_SET_OBJECT_NAME(Frame2);
    Label3 = addTotals(Frame2, {{"Label4", utf8Text(french::formCountCaption), "Label3"}}).front();

    auto* Frame3 = new QGroupBox(tr("Résultats"), this);
    Q_SET_OBJECT_NAME(Frame3);
    slicesModel_ = new SlicesModel({SlicesModel::countColumn(tr("Tranche(s)*"), &EnrichmentSlice::number),
                                    SlicesModel::countColumn(tr("Nombre de formes nouvelles"), &EnrichmentSlice::newFormCount)},
                                   this);
    const QString headingTip = tr("Fréquence d'attestation réelle");
    auto* results = new QGridLayout(Frame3);
    lists_ = new LinkedLists(addColumnLists(results, 0, slicesModel_,
                                            {{"Label5", "List1", headingTip}, {"Label9", "List2", headingTip}}, Frame3),
                             LinkedLists::Driver::AnyList, this);
    auto* Label6 = new QLabel(tr("* Une tranche = %1 mots").arg(enrichmentSliceSize), Frame3);
    Q_SET_OBJECT_NAME(Label6);
    results->addWidget(Label6, 2, 0, 1, 2);

    const auto [Frame1, box] = createResultFrame("Frame1", tr("Formes"), "Text1", ScrollBars::Vertical, this);
    Text1 = box;

    auto* left = new QVBoxLayout;
    left->addWidget(Frame2);
    left->addWidget(Frame3, 1);
    auto* body = new QHBoxLayout;
    body->addLayout(left, 1);
    body->addWidget(Frame1, 1);
    addWindowTitle(tr("L'enrichissement du vocabulaire"));
    windowLayout()->addLayout(body, 1);

    const WindowMenus menus = buildMenuBar({.resultBox = Text1, .charts = true});
    addExportItem(menus.file, slicesModel_, tr("enrichissement.csv"), this);
    connect(addMenuItem(menus.charts, "affichage", tr("&Affichage")), &QAction::triggered, this,
            &EnrichmentWindow::affichage_Click);
    resize(windowSize);
}

void EnrichmentWindow::affichage_Click()
{
    openModal<EnrichmentChart>(this, slicesModel_->shownRows([](const EnrichmentSlice& slice) {
        return CountChartRow{std::to_string(slice.number), slice.newFormCount};
    }));
}

void EnrichmentWindow::connectSignals()
{
    connect(lists_, &LinkedLists::rowSelected, this, &EnrichmentWindow::List1_Click);
}

void EnrichmentWindow::Form_Load(std::string_view text)
{
    report_ = enrichmentReport(text);
    Label3->setText(QString::number(report_.tokenCount));
    slicesModel_->setRows(report_.slices);
}

void EnrichmentWindow::List1_Click(int row)
{
    ResultListing listing;
    for (const KnownForm& form : report_.newFormsOf(slicesModel_->rowAt(static_cast<std::size_t>(row))))
        listing.addForm(form.form, form.attestations);
    Text1->setText(fromCp1252(listing.text()));
}

} // namespace quorvelle::ui
