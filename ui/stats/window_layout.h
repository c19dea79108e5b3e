// The pieces that the statistics windows are laid out from.
#pragma once

#include <QList>
#include <QPair>

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLayout;
class QListView;
class QPushButton;
class QString;
class QWidget;

namespace quorvelle::ui {

class PlainTextBox;
class ReportTableModel;

/// A result list showing one column of table. Rows are written only as they scroll into
/// view, so a list of a hundred thousand rows opens at once.
QListView* createResultList(ReportTableModel* table, int column, QWidget* parent);

/// The multi-line result box; lines wrap unless the box has both scroll bars.
enum class ScrollBars { Vertical, Both };
PlainTextBox* createResultBox(ScrollBars scrollBars, QWidget* parent);

/// A command button of a statistics window. Unlike a dialog's buttons, it is never the
/// default one: Enter in a list or a combo box does not press it.
QPushButton* createCommandButton(const QString& caption, QWidget* parent);

/// A combo box of keys that also takes typed text; picking an entry, with the mouse, the
/// arrow keys or by typing it and Enter, emits activated(), and nothing else does. Typed text
/// that matches no entry does nothing and is never added to the list.
QComboBox* createKeyComboBox(QWidget* parent);
/// Shows the combo box's first entry, if any, as its text without selecting it.
void showFirstEntryUnselected(QComboBox* comboBox);

/// Parallel lists side by side in grid, their headings on row and the lists below, so that
/// the lists' rows line up however many lines a heading takes. Each heading names its list.
void addHeadedColumns(QGridLayout* grid, int row, const QList<QPair<QLabel*, QListView*>>& columns);

/// Makes label the control's label: it names the control for screen readers, and its access
/// key, if any, moves the focus there.
void labelControl(QLabel* label, QWidget* control);

/// Puts content alone in frame, a captioned frame that names it for screen readers.
void frameAround(QGroupBox* frame, QWidget* content);

/// Lays out the totals of a "Statistiques" frame: each caption beside its value, the values
/// right-aligned and selectable.
void layOutTotals(QGroupBox* frame, const QList<QPair<QLabel*, QLabel*>>& captionsAndValues);

} // namespace quorvelle::ui
