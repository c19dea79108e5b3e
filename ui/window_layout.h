// The pieces that the statistics windows are laid out from.
#pragma once

#include <QList>
#include <QString>

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QListView;
class QPushButton;
class QWidget;

namespace quorvelle::ui {

class LoadedTextBox;
class ReportTableModel;

/// A captioned frame of a window, named name.
QGroupBox* createFrame(const char* name, const QString& title, QWidget* parent);

/// A command button of a statistics window. Unlike a dialog's buttons, it is never the
/// default one: Enter in a list or a combo box does not press it.
QPushButton* createCommandButton(const QString& caption, QWidget* parent);

/// A combo box of keys that also takes typed text; picking an entry, with the mouse, the
/// arrow keys or by typing it and Enter, emits activated(), and nothing else does. Typed text
/// that matches no entry does nothing and is never added to the list.
QComboBox* createKeyComboBox(QWidget* parent);
/// Shows the combo box's first entry, if any, as its text without selecting it.
void showFirstEntryUnselected(QComboBox* comboBox);

/// The names of a column's list and of the label that heads it, and the heading's tooltip.
struct ColumnList {
    const char* headingName;
    const char* listName;
    QString toolTip = {};
};

/// "Fréquence d'attestation réelle": the tooltip of the frequencies window's frequency
/// heading. The co-occurrences, sentence-lengths and enrichment windows carry it on every
/// heading of their lists, whatever the column counts: those windows have always read so, and
/// it is kept as their users know it rather than reworded column by column.
QString attestationFrequencyTip();

/// Parallel lists of table's columns, one per entry of columns, in order, side by side in
/// grid, with parent: the headings (the columns' own) on row and the lists below, so that the
/// rows line up however many lines a heading takes. Each heading names its list for screen
/// readers. Returns the lists.
QList<QListView*> addColumnLists(QGridLayout* grid, int row, ReportTableModel* table, const QList<ColumnList>& columns,
                                 QWidget* parent);

/// A result box in its captioned frame, which names the box for screen readers. Its lines
/// wrap unless it has both scroll bars. Tab and Maj+Tab move the focus on, as in the window's
/// other controls: a listing has no use for a typed tab. A listing in code page 1252 longer
/// than what a text box shows at once is shown by a text view, which holds no copy of it: the
/// co-occurrences of a long text run to hundreds of thousands of lines.
enum class ScrollBars { Vertical, Both };
inline constexpr qsizetype longestListingInEditableBox = 128 * 1024;
struct ResultFrame {
    QGroupBox* frame;
    LoadedTextBox* box;
};
ResultFrame createResultFrame(const char* frameName, const QString& title, const char* boxName, ScrollBars scrollBars,
                              QWidget* parent);

/// Makes label the control's label: it names the control for screen readers, and its access
/// key, if any, moves the focus there.
void labelControl(QLabel* label, QWidget* control);

/// Puts control in the second column of grid's row, after a label of the given name and
/// caption that names it (see labelControl).
void addLabelledControl(QGridLayout* grid, int row, const char* labelName, const QString& caption, QWidget* control);

/// One total of a "Statistiques" frame: its caption, with an optional tooltip, and its value,
/// each on a label of its own name.
struct Total {
    const char* captionName;
    QString caption;
    const char* valueName;
    QString toolTip = {};
};

/// Lays out totals in frame, each caption beside its value, the values right-aligned and
/// selectable. Returns the value labels, in order, for the window to fill.
QList<QLabel*> addTotals(QGroupBox* frame, const QList<Total>& totals);

} // namespace quorvelle::ui
