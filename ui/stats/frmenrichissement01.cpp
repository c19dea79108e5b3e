// The vocabulary-enrichment window.
#include "ui/stats/frmenrichissement01.h"

#include "core/french_messages.h"
#include "core/result_listing.h"
#include "ui/PlainTextBox.h"
#include "ui/cp1252_text.h"
#include "ui/menus.h"
#include "ui/stats/LinkedLists.h"
#include "ui/stats/window_layout.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QVBoxLayout>

namespace quorvelle::ui {
namespace {

constexpr QSize windowSize(760, 560);

enum Column { sliceColumn, newFormCountColumn };

} // namespace

frmenrichissement01::frmenrichissement01(std::string_view text, QWidget* parent)
    : StatisticsWindow(parent)
{
    buildUi();
    connectSignals();
    Form_Load(text);
}

void frmenrichissement01::buildUi()
{
    setWindowTitle(tr("Parvane Dorlesca -  L'enrichissement du vocabulaire"));

    Label1 = new QLabel(tr("L'enrichissement du vocabulaire"), this);
    Q_SET_OBJECT_NAME(Label1);
    Label2 = new QLabel(tr("L'enrichissement du vocabulaire"), this);
    Q_SET_OBJECT_NAME(Label2);

    Frame2 = new QGroupBox(tr("Statistiques"), this);
    Q_SET_OBJECT_NAME(Frame2);
    Label4 = new QLabel(utf8Text(french::formCountCaption), Frame2);
    Q_SET_OBJECT_NAME(Label4);
    Label3 = new QLabel(Frame2);
    Q_SET_OBJECT_NAME(Label3);
    layOutTotals(Frame2, {{Label4, Label3}});

    Frame3 = new QGroupBox(tr("Résultats"), this);
    Q_SET_OBJECT_NAME(Frame3);
    slicesModel_ = new SlicesModel({SlicesModel::countColumn(tr("Tranche(s)*"), &EnrichmentSlice::number),
                                    SlicesModel::countColumn(tr("Nombre de formes nouvelles"), &EnrichmentSlice::newFormCount)},
                                   this);
    Label5 = new QLabel(tr("Tranche(s)*"), Frame3);
    Q_SET_OBJECT_NAME(Label5);
    List1 = createResultList(slicesModel_, sliceColumn, Frame3);
    Q_SET_OBJECT_NAME(List1);
    Label9 = new QLabel(tr("Nombre de formes nouvelles"), Frame3);
    Q_SET_OBJECT_NAME(Label9);
    List2 = createResultList(slicesModel_, newFormCountColumn, Frame3);
    Q_SET_OBJECT_NAME(List2);
    for (QLabel* heading : {Label5, Label9})
        heading->setToolTip(tr("Fréquence d'attestation réelle"));
    lists_ = new LinkedLists({List1, List2}, LinkedLists::Driver::AnyList, this);
    Label6 = new QLabel(tr("* Une tranche = %1 mots").arg(enrichmentSliceSize), Frame3);
    Q_SET_OBJECT_NAME(Label6);
    auto* results = new QGridLayout(Frame3);
    addHeadedColumns(results, 0, {{Label5, List1}, {Label9, List2}});
    results->addWidget(Label6, 2, 0, 1, 2);

    Text1 = createResultBox(ScrollBars::Vertical, this);
    Q_SET_OBJECT_NAME(Text1);
    Frame1 = new QGroupBox(tr("Formes"), this);
    Q_SET_OBJECT_NAME(Frame1);
    frameAround(Frame1, Text1);

    auto* left = new QVBoxLayout;
    left->addWidget(Frame2);
    left->addWidget(Frame3, 1);
    auto* body = new QHBoxLayout;
    body->addLayout(left, 1);
    body->addWidget(Frame1, 1);
    addWindowTitle(Label1, Label2);
    windowLayout()->addLayout(body, 1);

    const WindowMenus menus = buildMenuBar({.resultBox = Text1, .charts = true});
    affichage = addMenuItem(menus.graphique, "affichage", tr("&Affichage"));
    // Its chart window is not built yet.
    affichage->setEnabled(false);
    resize(windowSize);
}

void frmenrichissement01::connectSignals()
{
    connect(lists_, &LinkedLists::rowSelected, this, &frmenrichissement01::List1_Click);
}

void frmenrichissement01::Form_Load(std::string_view text)
{
    report_ = enrichmentReport(text);
    Label3->setText(QString::number(report_.tokenCount));
    slicesModel_->setRows(report_.slices);
}

void frmenrichissement01::List1_Click(int row)
{
    ResultListing listing;
    for (const KnownForm& form : report_.newFormsOf(slicesModel_->rowAt(static_cast<std::size_t>(row))))
        listing.addForm(form.form, form.attestations);
    Text1->setText(fromCp1252(listing.text()));
}

} // namespace quorvelle::ui
