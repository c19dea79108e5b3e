// The window of the key scheme: the forms distributed by how often a chosen key occurs in
// them. LettersWindow (letters), DoubledLettersWindow (doubled letters) and LetterPairsWindow (pairs of letters) are
// its three configurations.
#pragma once

#include "core/key_distribution.h"
#include "ui/ReportTableModel.h"
#include "ui/stats/StatisticsWindow.h"

class QComboBox;

namespace quorvelle::ui {

class LinkedLists;
class PlainTextBox;

/// Combo1 offers the keys; picking one fills the parallel lists List4 (how many times the key
/// occurs in a form) and List5 (how many forms of the text hold it that many times), driven
/// by List4, and selects their first row; a row lists its forms in Text1.
class KeyDistributionWindow : public StatisticsWindow {
    Q_OBJECT
protected:
    /// The texts of one configuration, and the object names of the two list headings, which
    /// differ between the windows.
    struct Texts {
        QString caption;
        QString title;
        QString keyLabel;
        const char* occurrencesHeadingName;
        QString occurrencesHeading;
        const char* formsHeadingName;
        QString formsHeading;
        QString exportName; ///< the file name "&Exporter..." proposes
    };

    /// Loads the window over the report computed from the text.
    KeyDistributionWindow(const Texts& texts, KeyDistribution report, QWidget* parent);

private slots:
    void Combo1_Click(int index);
    void List4_Click(int row);

private:
    using RowsModel = RowTableModel<OccurrenceRow>;

    void buildUi(const Texts& texts);
    void connectSignals();
    void Form_Load();

    KeyDistribution report_;

    QComboBox* Combo1;
    RowsModel* rowsModel_;
    LinkedLists* lists_;
    PlainTextBox* Text1;
};

} // namespace quorvelle::ui
