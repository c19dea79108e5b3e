// Building blocks of the statistics windows.
#include "ui/window_layout.h"

#include "ui/LoadedTextBox.h"
#include "ui/ReportTableModel.h"
#include "ui/report_grid.h"

#include <QComboBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvelle::ui {
namespace {

constexpr int valueColumnDigits = 7;
constexpr int keyComboCharacters = 5;
// Some 5 ms of work for a list placing its rows.
constexpr int rowsPlacedAtOnce = 20000;

} // namespace

void labelControl(QLabel* label, QWidget* control)
{
    label->setBuddy(control);
    // The visible text without the access key's ampersand.
    control->setAccessibleName(label->text().remove(QLatin1Char('&')).trimmed());
}

void addLabelledControl(QGridLayout* grid, int row, const char* labelName, const QString& caption, QWidget* control)
{
    auto* label = new QLabel(caption, control->parentWidget());
    label->setObjectName(QString::fromLatin1(labelName));
    labelControl(label, control);
    grid->addWidget(label, row, 0);
    grid->addWidget(control, row, 1);
}

QGroupBox* createFrame(const char* name, const QString& title, QWidget* parent)
{
    auto* frame = new QGroupBox(title, parent);
    frame->setObjectName(name);
    return frame;
}

QPushButton* createCommandButton(const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setAutoDefault(false);
    return button;
}

QComboBox* createKeyComboBox(QWidget* parent)
{
    auto* comboBox = new QComboBox(parent);
    comboBox->setEditable(true);
    comboBox->setInsertPolicy(QComboBox::NoInsert);
    // A typed capital is not the key of its lower-case letter.
    comboBox->completer()->setCaseSensitivity(Qt::CaseSensitive);
    // Leaving the box is no pick: without this, the box would pick the entry its text
    // matches when it loses the focus, the first key shown at opening included, and even
    // while its window is being destroyed.
    QObject::disconnect(comboBox->lineEdit(), &QLineEdit::editingFinished, comboBox, nullptr);
    comboBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    comboBox->setMinimumContentsLength(keyComboCharacters);
    return comboBox;
}

void showFirstEntryUnselected(QComboBox* comboBox)
{
    const QString first = comboBox->itemText(0);
    comboBox->setCurrentIndex(-1);
    comboBox->setEditText(first);
}

QString attestationFrequencyTip()
{
    return QCoreApplication::translate("quorvelle::ui", "Fréquence d'attestation réelle");
}

QList<QListView*> addColumnLists(QGridLayout* grid, int row, ReportTableModel* table, const QList<ColumnList>& columns,
                                 QWidget* parent)
{
    QList<QListView*> lists;
    for (int column = 0; column < columns.size(); ++column) {
        auto* heading = new QLabel(table->headerData(column, Qt::Horizontal).toString(), parent);
        heading->setObjectName(columns[column].headingName);
        heading->setToolTip(columns[column].toolTip);
        heading->setWordWrap(true);
        // Rows are written only as they scroll into view, and placed a batch at a time between
        // turns of the event loop: a list of a million rows opens at once.
        auto* list = new QListView(parent);
        list->setObjectName(columns[column].listName);
        list->setModel(table->columnModel(column));
        list->setUniformItemSizes(true);
        list->setLayoutMode(QListView::Batched);
        list->setBatchSize(rowsPlacedAtOnce);
        list->setEditTriggers(QAbstractItemView::NoEditTriggers);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        enableRowCopy(list, table);
        labelControl(heading, list);
        grid->addWidget(heading, row, column, Qt::AlignBottom);
        grid->addWidget(list, row + 1, column);
        lists << list;
    }
    grid->setRowStretch(row + 1, 1);
    return lists;
}

ResultFrame createResultFrame(const char* frameName, const QString& title, const char* boxName, ScrollBars scrollBars,
                              QWidget* parent)
{
    auto* frame = new QGroupBox(title, parent);
    frame->setObjectName(frameName);
    auto* box = new LoadedTextBox(frame, longestListingInEditableBox);
    box->setObjectName(boxName);
    box->setLineWrapMode(scrollBars == ScrollBars::Both ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    box->setTextName(title);
    box->setTabChangesFocus(true);
    (new QVBoxLayout(frame))->addWidget(box);
    return {frame, box};
}

QList<QLabel*> addTotals(QGroupBox* frame, const QList<Total>& totals)
{
    auto* grid = new QGridLayout(frame);
    QList<QLabel*> values;
    for (int row = 0; row < totals.size(); ++row) {
        auto* caption = new QLabel(totals[row].caption, frame);
        caption->setObjectName(totals[row].captionName);
        caption->setToolTip(totals[row].toolTip);
        auto* value = new QLabel(frame);
        value->setObjectName(totals[row].valueName);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        // A screen reader reads the value as it stands, labelled by its caption.
        caption->setBuddy(value);
        grid->addWidget(caption, row, 0);
        grid->addWidget(value, row, 1);
        values << value;
    }
    grid->setColumnMinimumWidth(1, frame->fontMetrics().horizontalAdvance(QString(valueColumnDigits, u'0')));
    return values;
}

} // namespace quorvelle::ui
