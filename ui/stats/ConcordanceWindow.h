// A form in context: every occurrence with the text around it.
#pragma once

#include "core/reports/concordance.h"
#include "ui/ReportTableModel.h"
#include "ui/stats/StatisticsWindow.h"

#include <string>

namespace quorvelle::ui {

/// Opened beside a window that lists forms ("Voir en contexte"), not modal. Presents the core's
/// Concordance of a form: each occurrence's line, left context, form as written and right
/// context, in the text's order or by the form just before or after it. From there, the
/// forms that come near it ("Cooccurrents", for a single form) and where it occurs along the
/// text ("Répartition dans le texte").
class ConcordanceWindow final : public StatisticsWindow {
    Q_OBJECT
public:
    /// The characters of context on either side of an occurrence.
    static constexpr std::size_t contextWidth = 50;

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

private:
    using RowsModel = RowTableModel<ConcordanceLine>;

    /// The occurrences in the text's order, or by the form just before or after them.
    void showInOrder(ConcordanceOrder order);

    SharedText text_;
    Concordance concordance_;
    RowsModel* rowsModel_;
};

} // namespace quorvelle::ui
