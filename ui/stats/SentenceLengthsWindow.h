// Sentence lengths.
#pragma once

#include "core/reports/sentence_report.h"
#include "ui/ReportTableModel.h"
#include "ui/stats/StatisticsWindow.h"

namespace quorvelle::ui {

/// Opened modal from the main window's "Les longueurs de &phrases". Presents the core's
/// SentenceReport: the numbers of sentences and forms and the mean sentence length; for each
/// sentence its number, its closing mark and its number of forms, in three parallel lists any
/// of which drives; the selected sentence's text, as it stands in the text, in sentenceBox.
/// Nothing is selected on opening.
class SentenceLengthsWindow final : public StatisticsWindow {
    Q_OBJECT
public:
    /// The window keeps the text: the sentences are views into it.
    SentenceLengthsWindow(SharedText text, SentenceReport report, QWidget* parent);

private slots:
    void showSentenceOfRow(int row);

private:
    using RowsModel = RowTableModel<SentenceRecord>;

    SharedText text_;
    SentenceReport report_;

    RowsModel* rowsModel_;
    LoadedTextBox* sentenceBox;
};

} // namespace quorvelle::ui
