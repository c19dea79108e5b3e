// The pieces that the statistics windows are laid out from.
#pragma once

#include <QList>
#include <QPair>

class QAbstractItemModel;
class QBoxLayout;
class QComboBox;
class QGroupBox;
class QLabel;
class QLayout;
class QListView;
class QWidget;

namespace quorvelle::ui {

class PlainTextBox;

/// A result list showing one column of model. Rows are written only as they scroll into
/// view, so a list of a hundred thousand rows opens at once.
QListView* createResultList(QAbstractItemModel* model, int column, QWidget* parent);

/// The multi-line result box; lines wrap unless the box has both scroll bars.
enum class ScrollBars { Vertical, Both };
PlainTextBox* createResultBox(ScrollBars scrollBars, QWidget* parent);

/// A combo box of keys that also takes typed text; picking an entry, with the mouse, the
/// arrow keys or by typing it and Enter, emits activated(). Typed text that matches no entry
/// does nothing and is never added to the list.
QComboBox* createKeyComboBox(QWidget* parent);
/// Shows the combo box's first entry, if any, as its text without selecting it.
void showFirstEntryUnselected(QComboBox* comboBox);

/// The heading above its control. The heading names the control for screen readers, and its
/// access key, if any, moves the focus there.
QLayout* headed(QLabel* heading, QWidget* control);
/// The label before its control, on one line, naming it as headed() does.
QBoxLayout* labelled(QLabel* label, QWidget* control);

/// Lays out the totals of a "Statistiques" frame: each caption beside its value, the values
/// right-aligned and selectable.
void layOutTotals(QGroupBox* frame, const QList<QPair<QLabel*, QLabel*>>& captionsAndValues);

} // namespace quorvelle::ui
