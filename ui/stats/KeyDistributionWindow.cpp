// The window shared by the letters, the doubled letters and the pairs of letters.
#include "ui/stats/KeyDistributionWindow.h"

#include "core/result_listing.h"
#include "ui/PlainTextBox.h"
#include "ui/cp1252_text.h"
#include "ui/stats/LinkedLists.h"
#include "ui/stats/table_export.h"
#include "ui/stats/window_layout.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <utility>

namespace quorvelle::ui {
namespace {

constexpr QSize windowSize(760, 520);

enum Column { occurrencesColumn, formCountColumn };

} // namespace

KeyDistributionWindow::KeyDistributionWindow(const Texts& texts, KeyDistribution report, QWidget* parent)
    : StatisticsWindow(parent)
    , report_(std::move(report))
{
    buildUi(texts);
    connectSignals();
    Form_Load();
}

void KeyDistributionWindow::buildUi(const Texts& texts)
{
    setWindowTitle(texts.caption);

    auto* Frame1 = new QGroupBox(tr("Résultats"), this);
    Q_SET_OBJECT_NAME(Frame1);
    auto* Label2 = new QLabel(texts.keyLabel, Frame1);
    Q_SET_OBJECT_NAME(Label2);
    Combo1 = createKeyComboBox(Frame1);
    Q_SET_OBJECT_NAME(Combo1);
    labelControl(Label2, Combo1);
    auto* key = new QHBoxLayout;
    key->addWidget(Label2);
    key->addWidget(Combo1);
    key->addStretch();

    rowsModel_ = new RowsModel({RowsModel::countColumn(texts.occurrencesHeading, &OccurrenceRow::occurrences),
                                RowsModel::countColumn(texts.formsHeading, &OccurrenceRow::formCount)},
                               this);
    auto* columns = new QGridLayout;
    lists_ = new LinkedLists(addColumnLists(columns, 0, rowsModel_,
                                            {{texts.occurrencesHeadingName, "List4"}, {texts.formsHeadingName, "List5"}},
                                            Frame1),
                             LinkedLists::Driver::FirstList, this);
    auto* results = new QVBoxLayout(Frame1);
    results->addLayout(key);
    results->addLayout(columns, 1);

    const auto [Frame2, box] = createResultFrame("Frame2", tr("Forme(s)"), "Text1", ScrollBars::Vertical, this);
    Text1 = box;

    auto* body = new QHBoxLayout;
    body->addWidget(Frame1, 1);
    body->addWidget(Frame2, 1);
    addWindowTitle(texts.title);
    windowLayout()->addLayout(body, 1);

    addExportItem(buildMenuBar({.resultBox = Text1}).file, rowsModel_, texts.exportName, this);
    resize(windowSize);
}

void KeyDistributionWindow::connectSignals()
{
    connect(Combo1, &QComboBox::activated, this, &KeyDistributionWindow::Combo1_Click);
    connect(lists_, &LinkedLists::rowSelected, this, &KeyDistributionWindow::List4_Click);
}

void KeyDistributionWindow::Form_Load()
{
    for (const KeyRows& key : report_.keys)
        Combo1->addItem(fromCp1252(key.key));
    showFirstEntryUnselected(Combo1);
}

void KeyDistributionWindow::Combo1_Click(int index)
{
    rowsModel_->setRows(report_.keys[static_cast<std::size_t>(index)].rows);
    lists_->selectRow(0);
}

void KeyDistributionWindow::List4_Click(int row)
{
    Text1->setText(fromCp1252(resultListing(rowsModel_->rowAt(static_cast<std::size_t>(row)).forms)));
}

} // namespace quorvelle::ui
