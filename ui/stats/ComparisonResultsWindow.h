// The comparison of the vocabularies of two texts.
#pragma once

#include "core/reports/vocabulary_comparison.h"
#include "ui/ReportTableModel.h"
#include "ui/stats/StatisticsWindow.h"

#include <QList>
#include <QPair>

#include <functional>
#include <string_view>
#include <vector>

class QGroupBox;
class QLabel;
class QPushButton;

namespace quorvelle::ui {

class LoadedTextBox;

/// Two texts as they stood when compared, and what the comparison window shows of them, all
/// made off the interface thread: collating the forms of two large texts takes a while.
struct ComparedTexts {
    SharedText text1;
    SharedText text2;
    VocabularyComparison comparison;
    std::vector<CommonForm> formsOfEitherText; ///< see formsOfEitherText
};

ComparedTexts compareTexts(SharedText text1, SharedText text2);

/// Opened from the second-text window's "&Affichage" through the wait dialog.
/// Presents the core's VocabularyComparison: the figures of both texts, of their common forms
/// and of the forms proper to each, line by line in figuresFrame (values in dark red, captions
/// in blue, connecting words in dark purple, headings in navy), each value explaining how it is
/// computed (explainFigure); three "Afficher" buttons list
/// the common forms or the forms proper to either text in formsBox, retitling formsFrame.
/// "&Exporter..." saves the three listings as one table: every form of either text with its
/// attestations in each.
class ComparisonResultsWindow final : public StatisticsWindow {
    Q_OBJECT
public:
    explicit ComparisonResultsWindow(ComparedTexts compared, QWidget* parent);

private slots:
    void showCommonForms();
    void showFirstTextForms();
    void showSecondTextForms();
    void showSpecificities();

private:
    using ValueText = std::function<QString(const VocabularyComparison&)>;
    using FormsModel = RowTableModel<CommonForm>;

    /// figuresFrame: the lines of figures, with the buttons that list their forms.
    QGroupBox* createFigureLinesFrame();
    /// Shows the listing, whose forms are seen in context in text 1 or 2 (textNumber).
    void listForms(const QString& caption, const std::string& listing, int textNumber);

    /// The texts, whose forms are shown in context, and their comparison.
    ComparedTexts compared_;
    FormsModel* formsModel_;

    /// The value labels of figuresFrame (tokenCount1Label and the like), each with how its
    /// value is written.
    QList<QPair<QLabel*, ValueText>> values_;
    QPushButton* showCommonFormsButton;
    QPushButton* showFirstTextFormsButton;
    QPushButton* showSecondTextFormsButton;
    QGroupBox* formsFrame;
    LoadedTextBox* formsBox;
};

} // namespace quorvelle::ui
