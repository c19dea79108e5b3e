// Forms by number of characters: the lengths that occur, how many forms have each, and the
// forms of a chosen length.
#pragma once

#include "core/length_report.h"
#include "ui/ReportTableModel.h"
#include "ui/stats/StatisticsWindow.h"

#include <string_view>

class QPushButton;

namespace quorvelle::ui {

class LinkedLists;
class PlainTextBox;

/// Opened modal from the main window's "&Formes / caractères". Presents the core's
/// LengthReport in three parallel lists driven by List1 (numbers of forms, lengths,
/// percentages), sortable by each column in either direction, and lists in txtstata the forms
/// of the selected length.
class LengthsWindow final : public StatisticsWindow {
    Q_OBJECT
public:
    /// Loads the window: computes the report of text (code page 1252), fills the lists and
    /// selects the first row.
    LengthsWindow(std::string_view text, QWidget* parent);

private slots:
    void List1_Click(int row);
    /// Sort by percentage, by number of characters, by number of forms. Each pair of buttons
    /// shares its handler: while the plain button shows, the next sort is ascending; while its
    /// a-button shows, descending.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    /// The chart of the rows in their current order.
    void affichage_Click();

private:
    using LengthModel = RowTableModel<LengthRow>;

    void buildUi();
    void connectSignals();
    void Form_Load(std::string_view text);
    void sortBy(LengthColumn column, QPushButton* plainButton, QPushButton* aButton);
    QPushButton* sortButton(const char* name, SortDirection direction, int column, QWidget* parent);

    LengthReport report_;

    LengthModel* rowsModel_;
    LinkedLists* lists_;
    QPushButton* Command1;
    QPushButton* Command1a;
    QPushButton* Command2;
    QPushButton* Command2a;
    QPushButton* Command3;
    QPushButton* Command3a;
    PlainTextBox* txtstata;
};

} // namespace quorvelle::ui
