// The window shared by the letters, the doubled letters and the pairs of letters.
#include "ui/stats/KeyDistributionWindow.h"

#include "core/presentation/result_listing.h"
#include "ui/LoadedTextBox.h"
#include "ui/cp1252_text.h"
#include "ui/stats/LinkedLists.h"
#include "ui/window_layout.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

#include <utility>

namespace quorvelle::ui {

KeyDistributionWindow::KeyDistributionWindow(const Texts& texts, LetterRule letters, KeyDistribution report,
                                             QWidget* parent)
    : StatisticsWindow(letters, parent)
    , report_(std::move(report))
    , rowsModel_(new RowsModel(texts.table.columns, this))
{
    QGroupBox* resultsFrame = createFrame("resultsFrame", tr("Résultats"), this);
    auto* keyCaption = new QLabel(texts.keyCaption, resultsFrame);
    Q_SET_OBJECT_NAME(keyCaption);
    keyBox = createKeyComboBox(resultsFrame);
    Q_SET_OBJECT_NAME(keyBox);
    labelControl(keyCaption, keyBox);
    auto* columns = new QGridLayout;
    lists_ = LinkedLists::addToGrid(columns, 0, rowsModel_,
                                    {{"occurrencesHeading", "occurrencesList"}, {"formCountHeading", "formCountList"}},
                                    LinkedLists::Driver::FirstList, resultsFrame);
    Column{Row{keyCaption, keyBox, Stretch{}}, {columns, 1}}.attachTo(resultsFrame);
    const ResultFrame forms = createResultFrame("formsFrame", tr("Forme(s)"), "formsBox", ScrollBars::Vertical, this);
    formsBox = forms.box;

    build({.caption = texts.caption,
           .title = QString::fromUtf8(texts.table.title),
           .body = {{Row{{resultsFrame, 1}, {forms.frame, 1}}, 1}},
           .size = {760, 520},
           .menuBar = {.resultBox = formsBox},
           .tableExport = {rowsModel_, texts.exportName}});
    connect(keyBox, &QComboBox::activated, this, &KeyDistributionWindow::showDistributionOfKey);
    connect(lists_, &LinkedLists::rowSelected, this, &KeyDistributionWindow::showFormsOfRow);
    for (const KeyRows& key : report_.keys)
        keyBox->addItem(fromCp1252(key.key));
    showFirstEntryUnselected(keyBox);
}

void KeyDistributionWindow::showDistributionOfKey(int index)
{
    rowsModel_->setRows(report_.keys[static_cast<std::size_t>(index)].rows);
    lists_->selectRow(0);
}

void KeyDistributionWindow::showFormsOfRow(int row)
{
    formsBox->setCp1252Text(
        std::make_shared<const std::string>(resultListing(rowsModel_->rowAt(static_cast<std::size_t>(row)).forms)));
}

} // namespace quorvelle::ui
