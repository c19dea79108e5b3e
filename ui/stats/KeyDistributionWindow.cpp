// The window shared by the letters, the doubled letters and the pairs of letters.
#include "ui/stats/KeyDistributionWindow.h"

#include "core/result_listing.h"
#include "ui/PlainTextBox.h"
#include "ui/cp1252_text.h"
#include "ui/stats/LinkedLists.h"
#include "ui/stats/window_layout.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
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

    Label1 = new QLabel(texts.title, this);
    Q_SET_OBJECT_NAME(Label1);
    Label5 = new QLabel(texts.title, this);
    Q_SET_OBJECT_NAME(Label5);

    Frame1 = new QGroupBox(tr("Résultats"), this);
    Q_SET_OBJECT_NAME(Frame1);
    Label2 = new QLabel(texts.keyLabel, Frame1);
    Q_SET_OBJECT_NAME(Label2);
    Combo1 = createKeyComboBox(Frame1);
    Q_SET_OBJECT_NAME(Combo1);

    rowsModel_ = new RowsModel({RowsModel::countColumn(texts.occurrencesHeading, &OccurrenceRow::occurrences),
                                RowsModel::countColumn(texts.formsHeading, &OccurrenceRow::formCount)},
                               this);
    occurrencesHeading_ = new QLabel(texts.occurrencesHeading, Frame1);
    occurrencesHeading_->setObjectName(texts.occurrencesHeadingName);
    List4 = createResultList(rowsModel_, occurrencesColumn, Frame1);
    Q_SET_OBJECT_NAME(List4);
    formsHeading_ = new QLabel(texts.formsHeading, Frame1);
    formsHeading_->setObjectName(texts.formsHeadingName);
    List5 = createResultList(rowsModel_, formCountColumn, Frame1);
    Q_SET_OBJECT_NAME(List5);
    lists_ = new LinkedLists({List4, List5}, LinkedLists::Driver::FirstList, this);

    labelControl(Label2, Combo1);
    auto* key = new QHBoxLayout;
    key->addWidget(Label2);
    key->addWidget(Combo1);
    key->addStretch();
    auto* columns = new QGridLayout;
    addHeadedColumns(columns, 0, {{occurrencesHeading_, List4}, {formsHeading_, List5}});
    auto* results = new QVBoxLayout(Frame1);
    results->addLayout(key);
    results->addLayout(columns, 1);

    Text1 = createResultBox(ScrollBars::Vertical, this);
    Q_SET_OBJECT_NAME(Text1);
    Frame2 = new QGroupBox(tr("Forme(s)"), this);
    Q_SET_OBJECT_NAME(Frame2);
    frameAround(Frame2, Text1);

    auto* body = new QHBoxLayout;
    body->addWidget(Frame1, 1);
    body->addWidget(Frame2, 1);
    addWindowTitle(Label1, Label5);
    windowLayout()->addLayout(body, 1);

    buildMenuBar({.resultBox = Text1});
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
