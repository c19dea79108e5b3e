// The co-occurrences window.
#include "ui/stats/CooccurrencesWindow.h"

#include "core/result_listing.h"
#include "ui/PlainTextBox.h"
#include "ui/cp1252_text.h"
#include "ui/stats/LinkedLists.h"
#include "ui/stats/table_export.h"
#include "ui/stats/window_layout.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvelle::ui {
namespace {

constexpr QSize windowSize(820, 560);

enum Column { countColumn, pairCountColumn };

} // namespace

CooccurrencesWindow::CooccurrencesWindow(std::string_view text, QWidget* parent)
    : StatisticsWindow(parent)
{
    buildUi();
    connectSignals();
    Form_Load(text);
    offerFormsInContext(text);
}

void CooccurrencesWindow::buildUi()
{
    setWindowTitle(tr("Parvane Dorlesca - Les cooccurrences"));

    auto* Frame2 = new QGroupBox(tr("Résultats"), this);
    Q_SET_OBJECT_NAME(Frame2);
    rowsModel_ = new RowsModel({RowsModel::countColumn(tr("Nombre d'attestations"), &CooccurrenceRow::count),
                                RowsModel::countColumn(tr("Nombre de cooccurrences différentes"), &CooccurrenceRow::pairCount)},
                               this);
    const QString headingTip = tr("Fréquence d'attestation réelle");
    lists_ = new LinkedLists(addColumnLists(new QGridLayout(Frame2), 0, rowsModel_,
                                            {{"Label9", "List4", headingTip}, {"Label3", "List6", headingTip}}, Frame2),
                             LinkedLists::Driver::FirstList, this);

    auto* Frame3 = new QGroupBox(tr("Afficher toutes les cooccurrences par "), this);
    Q_SET_OBJECT_NAME(Frame3);
    Command1 = createCommandButton(tr("Ordre alphabétique"), Frame3);
    Q_SET_OBJECT_NAME(Command1);
    Command2 = createCommandButton(tr("Nombre d'attestations"), Frame3);
    Q_SET_OBJECT_NAME(Command2);
    auto* buttons = new QHBoxLayout(Frame3);
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);

    const auto [Frame1, box] = createResultFrame("Frame1", tr("Cooccurrences"), "Text1", ScrollBars::Vertical, this);
    Text1 = box;

    auto* left = new QVBoxLayout;
    left->addWidget(Frame2, 1);
    left->addWidget(Frame3);
    auto* body = new QHBoxLayout;
    body->addLayout(left, 1);
    body->addWidget(Frame1, 1);
    addWindowTitle(tr("Statistiques  -  Les cooccurrences"));
    windowLayout()->addLayout(body, 1);

    addExportItem(buildMenuBar({.resultBox = Text1}).file, rowsModel_, tr("cooccurrences.csv"), this);
    resize(windowSize);
}

void CooccurrencesWindow::connectSignals()
{
    connect(lists_, &LinkedLists::rowSelected, this, &CooccurrencesWindow::List4_Click);
    connect(Command1, &QPushButton::clicked, this, &CooccurrencesWindow::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &CooccurrencesWindow::Command2_Click);
}

void CooccurrencesWindow::Form_Load(std::string_view text)
{
    report_ = cooccurrenceReport(text);
    rowsModel_->setRows(report_.rows);
    lists_->selectRow(0);
}

void CooccurrencesWindow::List4_Click(int row)
{
    listPairs(report_.pairsOf(rowsModel_->rowAt(static_cast<std::size_t>(row))));
}

void CooccurrencesWindow::Command1_Click()
{
    listPairs(report_.pairs);
}

void CooccurrencesWindow::Command2_Click()
{
    listPairs(report_.byCount);
}

void CooccurrencesWindow::listPairs(std::span<const FormCount> pairs)
{
    Text1->setText(fromCp1252(resultListing(pairs)));
}

} // namespace quorvelle::ui
