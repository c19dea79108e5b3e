// The attestation-frequencies window.
#include "ui/stats/frmfreq01.h"

#include "core/result_listing.h"
#include "ui/PlainTextBox.h"
#include "ui/cp1252_text.h"
#include "ui/menus.h"
#include "ui/stats/LinkedLists.h"
#include "ui/stats/VocabularyTotals.h"
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

constexpr QSize windowSize(860, 580);

enum Column { frequencyColumn, formCountColumn, deviationColumn };

} // namespace

frmfreq01::frmfreq01(std::string_view text, QWidget* parent)
    : StatisticsWindow(parent)
{
    buildUi();
    connectSignals();
    Form_Load(text);
}

void frmfreq01::buildUi()
{
    setWindowTitle(tr("Parvane Dorlesca - Les fréquences d'attestation des formes - Calcul des écarts"));

    Label1 = new QLabel(tr("Fréquences d'attestation - Calcul des écarts"), this);
    Q_SET_OBJECT_NAME(Label1);
    Label5 = new QLabel(tr("Fréquences d'attestation - Calcul des écarts"), this);
    Q_SET_OBJECT_NAME(Label5);

    Frame1 = new VocabularyTotals(this);

    Frame2 = new QGroupBox(tr("Résultats"), this);
    Q_SET_OBJECT_NAME(Frame2);
    rowsModel_ = new RowsModel({RowsModel::countColumn(tr("Fréq. d' attestation réelle"), &FrequencyRow::frequency),
                                RowsModel::countColumn(tr("Nombre de forme(s)"), &FrequencyRow::formCount),
                                RowsModel::numberColumn(tr("Ecarts positifs ou négatifs"), &FrequencyRow::deviation)},
                               this);
    Label9 = new QLabel(tr("Fréq. d' attestation réelle"), Frame2);
    Q_SET_OBJECT_NAME(Label9);
    Label9->setToolTip(tr("Fréquence d'attestation réelle"));
    List3 = createResultList(rowsModel_, frequencyColumn, Frame2);
    Q_SET_OBJECT_NAME(List3);
    Label10 = new QLabel(tr("Nombre de forme(s)"), Frame2);
    Q_SET_OBJECT_NAME(Label10);
    Label10->setToolTip(Label10->text());
    List4 = createResultList(rowsModel_, formCountColumn, Frame2);
    Q_SET_OBJECT_NAME(List4);
    Label11 = new QLabel(tr("Ecarts positifs ou négatifs"), Frame2);
    Q_SET_OBJECT_NAME(Label11);
    Label11->setToolTip(Label11->text());
    List5 = createResultList(rowsModel_, deviationColumn, Frame2);
    Q_SET_OBJECT_NAME(List5);
    lists_ = new LinkedLists({List3, List4, List5}, LinkedLists::Driver::FirstList, this);
    addHeadedColumns(new QGridLayout(Frame2), 0, {{Label9, List3}, {Label10, List4}, {Label11, List5}});

    Text1 = createResultBox(ScrollBars::Vertical, this);
    Q_SET_OBJECT_NAME(Text1);
    Frame3 = new QGroupBox(tr("Forme(s)"), this);
    Q_SET_OBJECT_NAME(Frame3);
    frameAround(Frame3, Text1);

    auto* left = new QVBoxLayout;
    left->addWidget(Frame1);
    left->addWidget(Frame2, 1);
    auto* body = new QHBoxLayout;
    body->addLayout(left, 3);
    body->addWidget(Frame3, 2);
    addWindowTitle(Label1, Label5);
    windowLayout()->addLayout(body, 1);

    const WindowMenus menus = buildMenuBar({.resultBox = Text1, .charts = true});
    ecartpositif = addMenuItem(menus.graphique, "ecartpositif", tr("&Ecart positif"));
    ecartnegatif = addMenuItem(menus.graphique, "ecartnegatif", tr("&Ecart négatif"));
    // Their chart windows are not built yet.
    ecartpositif->setEnabled(false);
    ecartnegatif->setEnabled(false);
    resize(windowSize);
}

void frmfreq01::connectSignals()
{
    connect(lists_, &LinkedLists::rowSelected, this, &frmfreq01::List3_Click);
}

void frmfreq01::Form_Load(std::string_view text)
{
    report_ = frequencyReport(text);
    Frame1->showTotals(report_.tokenCount, report_.distinctCount, report_.meanFrequency);
    rowsModel_->setRows(report_.rows);
    lists_->selectRow(0);
}

void frmfreq01::List3_Click(int row)
{
    ResultListing listing;
    for (const FormCount& form : report_.formsOf(rowsModel_->rowAt(static_cast<std::size_t>(row))))
        listing.addForm(form.form);
    Text1->setText(fromCp1252(listing.text()));
}

} // namespace quorvelle::ui
