// A form in context: every occurrence with the text around it.
#pragma once

#include "core/reports/concordance.h"
#include "core/reports/concordance_order.h"
#include "ui/ReportTableModel.h"
#include "ui/stats/StatisticsWindow.h"

#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QPushButton;
class QSpinBox;
class QTableView;

namespace quorvelle::ui {

class FormFilterBar;
class LoadedTextWindow;
class LoadedTextBox;
class LoadedTextBox;

/// Opened beside a window that lists forms ("Voir en contexte"), not modal. Presents the core's
/// Concordance of a form: each occurrence's line, left context, form as written and right
/// context, in the text's order or sorted by up to three keys (the forms around it, or its own),
/// its contexts counted in characters or in forms; under the grid, the sentence of the current
/// occurrence. From there, the occurrence in the main window's text ("Afficher dans le texte",
/// Entrée or a double-click, while the main window shows the concordance's text), the forms
/// that come near the form ("Cooccurrents", for a single form) and where it occurs along the
/// text ("Répartition dans le texte").
class ConcordanceWindow final : public StatisticsWindow {
    Q_OBJECT
public:
    /// The context of the occurrences on opening: 50 characters on either side.
    static constexpr ConcordanceContext defaultContext = {50, ContextUnit::Characters};
    /// The forms on either side once the context is counted in forms.
    static constexpr std::size_t defaultContextForms = 10;

    /// Finds the occurrences of form (code page 1252) in text off the interface thread (see
    /// WaitDialog::waitFor), then shows them beside parent. textFile names the file of text
    /// where parent studies two texts; otherwise the window studies parent's files.
    static void open(QWidget* parent, SharedText text, std::string form, const QString& textFile = {});

    /// The same for the occurrences of text read as lemma (code page 1252), whatever their
    /// form and category.
    static void openLemma(QWidget* parent, SharedText text, std::string lemma, const QString& textFile = {});

    /// The same for a query of patterns (code page 1252, see formQuery), which must be well
    /// formed: the forms it found are listed above the occurrences, and when nothing answers,
    /// the closest forms of the text. A query of plain forms is a form's concordance.
    static void openQuery(QWidget* parent, SharedText text, std::string query, PatternSyntax syntax,
                          const QString& textFile = {});

    /// The concordance of a form of text.
    ConcordanceWindow(SharedText text, Concordance concordance, QWidget* parent);

private slots:
    /// Shows the occurrences in the order the sort key boxes choose, the current one kept current.
    void showInChosenOrder();
    /// Shows the context's default amount for the unit chosen, then cuts the contexts so.
    void showChosenContextUnit();
    /// Cuts the occurrences' contexts as the context boxes say.
    void cutChosenContexts();
    /// Shows the sentence of the current occurrence, and whether it can be shown in the text.
    void showCurrentOccurrence();
    /// Selects the current occurrence in the main window's text box and scrolls to it.
    void showInText();
    /// Enables "Afficher dans le texte" while there is a current occurrence and the main window
    /// shows the concordance's text.
    void enableShowInText();

private:
    using RowsModel = RowTableModel<ConcordanceLine>;

    void buildUi();
    void connectSignals();
    /// The keys of the sort key boxes, in order, up to the first that chooses none.
    std::vector<ConcordanceKey> chosenKeys() const;
    /// What the occurrences were found by: the query of patterns, or the form.
    TextQuery searched() const;
    /// The current occurrence's place among the concordance's occurrences, if there is one.
    std::optional<std::size_t> currentPlace() const;
    /// The main window's text box while it shows the concordance's text, else null.
    LoadedTextBox* textBoxShowingText() const;

    FormFilterBar* filterBar;
    QTableView* concordanceGrid;
    QComboBox* firstSortKeyBox;
    QComboBox* secondSortKeyBox;
    QComboBox* thirdSortKeyBox;
    QSpinBox* contextSizeBox;
    QComboBox* contextUnitBox;
    QPushButton* showInTextButton;
    QPushButton* showCollocatesButton;
    QPushButton* showDispersionButton;
    LoadedTextBox* sentenceBox;

    SharedText text_;
    Concordance concordance_;
    RowsModel* rowsModel_;
    LoadedTextWindow* loadedTextWindow_;
};

} // namespace quorvelle::ui
