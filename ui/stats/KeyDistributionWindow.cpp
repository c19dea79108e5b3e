// The window shared by the letters, the doubled letters and the pairs of letters.
#include "ui/stats/KeyDistributionWindow.h"

#include "core/presentation/result_listing.h"
#include "ui/PlainTextBox.h"
#include "ui/cp1252_text.h"
#include "ui/stats/LinkedLists.h"
#include "ui/table_export.h"
#include "ui/window_layout.h"

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

} // namespace

KeyDistributionWindow::KeyDistributionWindow(const Texts& texts, LetterRule letters, KeyDistribution report,
                                             QWidget* parent)
    : StatisticsWindow(letters, parent)
    , report_(std::move(report))
{
    buildUi(texts);
    connectSignals();
    for (const KeyRows& key : report_.keys)
        keyBox->addItem(fromCp1252(key.key));
    showFirstEntryUnselected(keyBox);
}

void KeyDistributionWindow::buildUi(const Texts& texts)
{
    setWindowTitle(texts.caption);

    auto* resultsFrame = new QGroupBox(tr("Résultats"), this);
    Q_SET_OBJECT_NAME(resultsFrame);
    auto* keyCaption = new QLabel(texts.keyCaption, resultsFrame);
    Q_SET_OBJECT_NAME(keyCaption);
    keyBox = createKeyComboBox(resultsFrame);
    Q_SET_OBJECT_NAME(keyBox);
    labelControl(keyCaption, keyBox);
    auto* key = new QHBoxLayout;
    key->addWidget(keyCaption);
    key->addWidget(keyBox);
    key->addStretch();

    rowsModel_ = new RowsModel(texts.table.columns, this);
    auto* columns = new QGridLayout;
    lists_ = new LinkedLists(
        addColumnLists(columns, 0, rowsModel_,
                       {{"occurrencesHeading", "occurrencesList"}, {"formCountHeading", "formCountList"}},
                       resultsFrame),
        LinkedLists::Driver::FirstList, this);
    auto* results = new QVBoxLayout(resultsFrame);
    results->addLayout(key);
    results->addLayout(columns, 1);

    const auto [formsFrame, box] =
        createResultFrame("formsFrame", tr("Forme(s)"), "formsBox", ScrollBars::Vertical, this);
    formsBox = box;

    auto* body = new QHBoxLayout;
    body->addWidget(resultsFrame, 1);
    body->addWidget(formsFrame, 1);
    addWindowTitle(QString::fromUtf8(texts.table.title));
    windowLayout()->addLayout(body, 1);

    addExportItem(buildMenuBar({.resultBox = formsBox}).file, rowsModel_, texts.exportName, this);
    resize(windowSize);
}

void KeyDistributionWindow::connectSignals()
{
    connect(keyBox, &QComboBox::activated, this, &KeyDistributionWindow::showDistributionOfKey);
    connect(lists_, &LinkedLists::rowSelected, this, &KeyDistributionWindow::showFormsOfRow);
}

void KeyDistributionWindow::showDistributionOfKey(int index)
{
    rowsModel_->setRows(report_.keys[static_cast<std::size_t>(index)].rows);
    lists_->selectRow(0);
}

void KeyDistributionWindow::showFormsOfRow(int row)
{
    formsBox->setText(fromCp1252(resultListing(rowsModel_->rowAt(static_cast<std::size_t>(row)).forms)));
}

} // namespace quorvelle::ui
