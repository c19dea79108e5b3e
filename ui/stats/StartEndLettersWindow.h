// Letters at the start and end of words.
#pragma once

#include "core/reports/edge_letter_report.h"
#include "ui/ReportTableModel.h"
#include "ui/stats/StatisticsWindow.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace quorvelle::ui {

/// Opened modal from the main window's "&Lettres de l'alphabet - Début/fin de mot". Presents
/// the core's EdgeLetterReport: for every letter, the forms that begin and end with it (three
/// parallel lists, any of which drives); for a letter picked in letterBox, the two counts and,
/// through the "Affichage" buttons, the forms of each side in formsBox.
class StartEndLettersWindow final : public StatisticsWindow {
    Q_OBJECT
public:
    StartEndLettersWindow(SharedText text, EdgeLetterReport report, QWidget* parent);

private slots:
    void showCountsOfLetter(int index);

private:
    using RowsModel = RowTableModel<EdgeLetterRow>;

    /// The chart of one side's counts, the rows in their order.
    template <class Chart>
    void openChart(std::int64_t EdgeLetterRow::*side);
    /// The forms of one side of the letter that letterBox shows, as it stands: typed text that is
    /// not a letter of the table lists nothing.
    void listFormsOfShownLetter(std::vector<FormCount> EdgeLetterRow::*side);

    EdgeLetterReport report_;

    QComboBox* letterBox;
    QLineEdit* startCountBox;
    QPushButton* showStartFormsButton;
    QLineEdit* endCountBox;
    QPushButton* showEndFormsButton;
    RowsModel* rowsModel_;
    LoadedTextBox* formsBox;
};

} // namespace quorvelle::ui
