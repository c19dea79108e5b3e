// The concordance window.
#include "ui/stats/ConcordanceWindow.h"

#include "core/lemmas/lemma_report.h"
#include "core/presentation/french_messages.h"
#include "core/statistics/concordance_command.h"
#include "ui/cp1252_text.h"
#include "ui/report_grid.h"
#include "ui/shell/WaitDialog.h"
#include "ui/stats/CollocatesWindow.h"
#include "ui/stats/DispersionWindow.h"
#include "ui/studied_files.h"
#include "ui/window_layout.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QtConcurrent>

#include <optional>
#include <utility>

namespace quorvelle::ui {

namespace {

// The concordance found off the interface thread, shown beside parent.
template <class Find>
void openFound(QWidget* parent, SharedText text, const QString& textFile, Find find)
{
    std::optional<Concordance> found = resultAfterWaiting(parent, QtConcurrent::run(std::move(find)));
    if (!found)
        return;
    ConcordanceWindow* window = openModeless<ConcordanceWindow>(parent, std::move(text), std::move(*found));
    if (window && !textFile.isEmpty())
        setStudiedFiles(window, {textFile});
}

} // namespace

void ConcordanceWindow::open(QWidget* parent, SharedText text, std::string form, const QString& textFile)
{
    openFound(parent, text, textFile, [text, form = std::move(form)] {
        return concordance(text->text(), form, contextWidth, text->letters());
    });
}

void ConcordanceWindow::openQuery(QWidget* parent, SharedText text, std::string query, PatternSyntax syntax,
                                  const QString& textFile)
{
    openFound(parent, text, textFile, [text, query = std::move(query), syntax] {
        return searchConcordance(text->text(), text->tokens(), query, syntax, contextWidth);
    });
}

void ConcordanceWindow::openLemma(QWidget* parent, SharedText text, std::string lemma, const QString& textFile)
{
    openFound(parent, text, textFile, [text, lemma = std::move(lemma)] {
        const LemmatizedText lemmatized = lemmatize(text->text(), text->tokens(), *sharedFrenchDictionary());
        Concordance found =
            lemmaConcordance(text->text(), text->tokens(), lemmatized, lemmasWritten(lemmatized, lemma), contextWidth);
        found.form = found.written = found.lemma = lemma;
        return found;
    });
}

ConcordanceWindow::ConcordanceWindow(SharedText text, Concordance concordance, QWidget* parent)
    : StatisticsWindow(text->letters(), parent)
    , text_(std::move(text))
    , concordance_(std::move(concordance))
    , rowsModel_(new RowsModel(concordanceColumns, this))
{
    // A lemma's occurrences are named after the lemma and its category: "être (verbe)".
    const bool ofLemma = !concordance_.lemma.empty();
    const QString form = fromCp1252(ofLemma ? concordance_.lemma : concordance_.written);
    const QString title = ofLemma ? tr("Concordance du lemme « %1 »").arg(form) : tr("Concordance de « %1 »").arg(form);
    QTableView* concordanceGrid =
        createReportGrid("concordanceGrid", rowsModel_, tr("Occurrences de « %1 »").arg(form), this);
    concordanceGrid->setWordWrap(false);
    QHeaderView* header = concordanceGrid->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    header->setSectionResizeMode(3, QHeaderView::Stretch);
    auto* occurrenceCountLabel = new QLabel(utf8Text(french::occurrenceCount(concordance_.occurrences.size())), this);
    Q_SET_OBJECT_NAME(occurrenceCountLabel);
    QPushButton* showInTextOrderButton = createCommandButton(tr("Ordre du texte"), this);
    Q_SET_OBJECT_NAME(showInTextOrderButton);
    QPushButton* sortByLeftFormButton = createCommandButton(tr("Tri par la forme à gauche"), this);
    Q_SET_OBJECT_NAME(sortByLeftFormButton);
    QPushButton* sortByRightFormButton = createCommandButton(tr("Tri par la forme à droite"), this);
    Q_SET_OBJECT_NAME(sortByRightFormButton);
    QPushButton* showCollocatesButton = createCommandButton(tr("Cooccurrents"), this);
    Q_SET_OBJECT_NAME(showCollocatesButton);
    // The forms around a run of several forms are not computed: only around one form; nor
    // around the several forms of a lemma, nor where they lie.
    showCollocatesButton->setEnabled(!ofLemma && concordance_.form.find(' ') == std::string::npos);
    QPushButton* showDispersionButton = createCommandButton(tr("Répartition dans le texte"), this);
    Q_SET_OBJECT_NAME(showDispersionButton);
    showDispersionButton->setEnabled(!ofLemma);
    // A query of patterns: the forms it found; a search that found nothing: the closest forms.
    const bool ofQuery = !concordance_.query.empty();
    if (ofQuery) {
        showCollocatesButton->setEnabled(false);
        showDispersionButton->setEnabled(false);
    }
    auto* searchOutcomeLabel = new QLabel(utf8Text(french::searchOutcome(concordance_)), this);
    Q_SET_OBJECT_NAME(searchOutcomeLabel);
    searchOutcomeLabel->setWordWrap(true);
    searchOutcomeLabel->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    searchOutcomeLabel->setVisible(!searchOutcomeLabel->text().isEmpty());
    // A pattern's wildcards have no place in a file's name.
    const QString exportName = ofQuery ? tr("concordance-recherche.csv") : tr("concordance-%1.csv").arg(form);

    build({.caption = tr("Parvane Dorlesca - %1").arg(title),
           .title = title,
           .body = {Row{occurrenceCountLabel, Stretch{}, showInTextOrderButton, sortByLeftFormButton,
                        sortByRightFormButton, Spacing{fontMetrics().averageCharWidth() * 4}, showCollocatesButton,
                        showDispersionButton},
                    searchOutcomeLabel,
                    {concordanceGrid, 1}},
           .size = {980, 600},
           .menuBar = {.grid = concordanceGrid},
           .tableExport = {rowsModel_, exportName}});
    connect(showInTextOrderButton, &QPushButton::clicked, this, [this] { showInOrder(ConcordanceOrder::Position); });
    connect(sortByLeftFormButton, &QPushButton::clicked, this, [this] { showInOrder(ConcordanceOrder::LeftWord); });
    connect(sortByRightFormButton, &QPushButton::clicked, this, [this] { showInOrder(ConcordanceOrder::RightWord); });
    connect(showCollocatesButton, &QPushButton::clicked, this,
            [this] { CollocatesWindow::open(this, text_, {concordance_.form}); });
    connect(showDispersionButton, &QPushButton::clicked, this,
            [this] { DispersionWindow::open(this, text_, {concordance_.form}); });
    showInOrder(ConcordanceOrder::Position);
}

void ConcordanceWindow::showInOrder(ConcordanceOrder order)
{
    rowsModel_->setRows(concordance_.occurrences, concordanceOrder(concordance_, order));
}

} // namespace quorvelle::ui
