// The window of the key scheme: the forms distributed by how often a chosen key occurs in
// them. LettersWindow (letters), DoubledLettersWindow (doubled letters) and LetterPairsWindow
// (pairs of letters) are its three configurations.
#pragma once

#include "core/reports/key_distribution.h"
#include "ui/ReportTableModel.h"
#include "ui/stats/StatisticsWindow.h"

class QComboBox;

namespace quorvelle::ui {

class LinkedLists;
class LoadedTextBox;

/// keyBox offers the keys; picking one fills the parallel lists occurrencesList (how many
/// times the key occurs in a form) and formCountList (how many forms of the text hold it that
/// many times), driven by occurrencesList, and selects their first row; a row lists its forms
/// in formsBox.
class KeyDistributionWindow : public StatisticsWindow {
    Q_OBJECT
protected:
    /// The texts of one configuration.
    struct Texts {
        QString caption;
        /// The window's title and its lists' headings.
        TableColumns<OccurrenceRow> table;
        QString keyCaption;
        QString exportName; ///< the file name "&Exporter..." proposes
    };

    /// Loads the window over the report computed from the text, cut into forms by the rule.
    KeyDistributionWindow(const Texts& texts, LetterRule letters, KeyDistribution report, QWidget* parent);

private slots:
    void showDistributionOfKey(int index);
    void showFormsOfRow(int row);

private:
    using RowsModel = RowTableModel<OccurrenceRow>;

    KeyDistribution report_;

    RowsModel* rowsModel_;
    QComboBox* keyBox;
    LinkedLists* lists_;
    LoadedTextBox* formsBox;
};

} // namespace quorvelle::ui
