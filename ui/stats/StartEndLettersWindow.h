// Letters at the start and end of words.
#pragma once

#include "core/edge_letter_report.h"
#include "ui/ReportTableModel.h"
#include "ui/stats/StatisticsWindow.h"

#include <string_view>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace quorvelle::ui {

class LinkedLists;
class PlainTextBox;

/// Opened modal from the main window's "&Lettres de l'alphabet - Début/fin de mot". Presents
/// the core's EdgeLetterReport: for every letter, the forms that begin and end with it (three
/// parallel lists, any of which drives); for a letter picked in Combo1, the two counts and,
/// through the "Affichage" buttons, the forms of each side in Text1.
class StartEndLettersWindow final : public StatisticsWindow {
    Q_OBJECT
public:
    StartEndLettersWindow(std::string_view text, QWidget* parent);

private slots:
    void Combo1_Click(int index);
    void Command1_Click();
    void Command2_Click();
    void debut_Click();
    void Finmot_Click();

private:
    using RowsModel = RowTableModel<EdgeLetterRow>;

    void buildUi();
    void connectSignals();
    void Form_Load(std::string_view text);
    /// The forms of one side of the letter that Combo1 shows, as it stands: typed text that is
    /// not a letter of the table lists nothing.
    void listFormsOfShownLetter(std::vector<FormCount> EdgeLetterRow::*side);

    EdgeLetterReport report_;

    QComboBox* Combo1;
    QLineEdit* Text2;
    QPushButton* Command1;
    QLineEdit* Text3;
    QPushButton* Command2;
    RowsModel* rowsModel_;
    LinkedLists* lists_;
    PlainTextBox* Text1;
};

} // namespace quorvelle::ui
