// Building blocks of the statistics windows.
#include "ui/stats/window_layout.h"

#include "ui/PlainTextBox.h"
#include "ui/stats/ReportTableModel.h"

#include <QComboBox>
#include <QCompleter>
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

} // namespace

void labelControl(QLabel* label, QWidget* control)
{
    label->setBuddy(control);
    // The visible text without the access key's ampersand.
    control->setAccessibleName(label->text().remove(QLatin1Char('&')).trimmed());
}

QListView* createResultList(ReportTableModel* table, int column, QWidget* parent)
{
    auto* list = new QListView(parent);
    list->setModel(table->columnModel(column));
    list->setUniformItemSizes(true);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return list;
}

PlainTextBox* createResultBox(ScrollBars scrollBars, QWidget* parent)
{
    auto* box = new PlainTextBox(parent);
    box->setLineWrapMode(scrollBars == ScrollBars::Both ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    return box;
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

void addHeadedColumns(QGridLayout* grid, int row, const QList<QPair<QLabel*, QListView*>>& columns)
{
    for (int column = 0; column < columns.size(); ++column) {
        QLabel* heading = columns[column].first;
        labelControl(heading, columns[column].second);
        heading->setWordWrap(true);
        grid->addWidget(heading, row, column, Qt::AlignBottom);
        grid->addWidget(columns[column].second, row + 1, column);
    }
    grid->setRowStretch(row + 1, 1);
}

void frameAround(QGroupBox* frame, QWidget* content)
{
    content->setAccessibleName(frame->title().remove(QLatin1Char('&')));
    (new QVBoxLayout(frame))->addWidget(content);
}

void layOutTotals(QGroupBox* frame, const QList<QPair<QLabel*, QLabel*>>& captionsAndValues)
{
    auto* totals = new QGridLayout(frame);
    for (int row = 0; row < captionsAndValues.size(); ++row) {
        QLabel* value = captionsAndValues[row].second;
        // A screen reader reads the value as it stands, labelled by its caption.
        captionsAndValues[row].first->setBuddy(value);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        totals->addWidget(captionsAndValues[row].first, row, 0);
        totals->addWidget(value, row, 1);
    }
    totals->setColumnMinimumWidth(1, frame->fontMetrics().horizontalAdvance(QString(valueColumnDigits, u'0')));
}

} // namespace quorvelle::ui
