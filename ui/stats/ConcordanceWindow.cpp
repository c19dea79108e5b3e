// The concordance window.
#include "ui/stats/ConcordanceWindow.h"
#include "ui/cancellable_work.h"

#include "core/lemmas/lemma_report.h"
#include "core/presentation/french_messages.h"
#include "core/reports/concordance_context.h"
#include "core/reports/sentence_report.h"
#include "core/statistics/concordance_command.h"
#include "ui/HourglassCursor.h"
#include "ui/LoadedTextBox.h"
#include "ui/LoadedTextWindow.h"
#include "ui/PlainTextBox.h"
#include "ui/WaitDialog.h"
#include "ui/cp1252_text.h"
#include "ui/report_grid.h"
#include "ui/stats/CollocatesWindow.h"
#include "ui/stats/DispersionWindow.h"
#include "ui/stats/FormFilterBar.h"
#include "ui/studied_files.h"
#include "ui/window_layout.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>

#include <algorithm>
#include <utility>

namespace quorvelle::ui {

namespace {

// The sentence under the grid reaches no further than this from its occurrence, whatever its
// length: a text without a full stop is one sentence.
constexpr std::size_t sentenceReach = 10'000;
// The lines of the sentence box.
constexpr int sentenceLines = 4;

// The widest context the window offers in a unit.
int mostContext(ContextUnit unit)
{
    return static_cast<int>(unit == ContextUnit::Forms ? mostContextForms : mostContextCharacters);
}

// The concordance found off the interface thread, shown beside parent.
template <class Find>
void openFound(QWidget* parent, SharedText text, const QString& textFile, Find find)
{
    std::optional<Concordance> found = resultAfterWaiting(parent, runCancellable(std::move(find)));
    if (!found)
        return;
    ConcordanceWindow* window = openModeless<ConcordanceWindow>(parent, std::move(text), std::move(*found));
    if (window && !textFile.isEmpty())
        setStudiedFiles(window, {textFile});
}

// A box of the sort keys in their order, after its entry for none.
QComboBox* createSortKeyBox(const char* name, const QString& none, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->addItem(none);
    for (const ConcordanceKeyName& key : concordanceKeyNames)
        box->addItem(utf8Text(key.name), static_cast<int>(key.key));
    return box;
}

// The label of a control, which names it for screen readers.
QLabel* createLabelOf(QWidget* control, const QString& caption, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    labelControl(label, control);
    return label;
}

} // namespace

void ConcordanceWindow::open(QWidget* parent, SharedText text, std::string form, const QString& textFile)
{
    openFound(parent, text, textFile, [text, form = std::move(form)] {
        return concordance(text->text(), form, defaultContext, text->letters());
    });
}

void ConcordanceWindow::openQuery(QWidget* parent, SharedText text, std::string query, PatternSyntax syntax,
                                  const QString& textFile)
{
    openFound(parent, text, textFile, [text, query = std::move(query), syntax] {
        return searchConcordance(text->text(), text->tokens(), query, syntax, defaultContext);
    });
}

void ConcordanceWindow::openLemma(QWidget* parent, SharedText text, std::string lemma, const QString& textFile)
{
    openFound(parent, text, textFile, [text, lemma = std::move(lemma)] {
        const LemmatizedText lemmatized = lemmatize(text->text(), text->tokens(), *sharedFrenchDictionary());
        Concordance found = lemmaConcordance(text->text(), text->tokens(), lemmatized, lemmasWritten(lemmatized, lemma),
                                             defaultContext);
        found.form = found.written = found.lemma = lemma;
        return found;
    });
}

ConcordanceWindow::ConcordanceWindow(SharedText text, Concordance concordance, QWidget* parent)
    : StatisticsWindow(text->letters(), parent)
    , text_(std::move(text))
    , concordance_(std::move(concordance))
    , rowsModel_(new RowsModel(concordanceColumns, this))
    , loadedTextWindow_(LoadedTextWindow::of(parent))
{
    buildUi();
    connectSignals();
    showInChosenOrder();
}

void ConcordanceWindow::buildUi()
{
    // A lemma's occurrences are named after the lemma and its category: "être (verbe)".
    const bool ofLemma = !concordance_.lemma.empty();
    const QString form = fromCp1252(ofLemma ? concordance_.lemma : concordance_.written);
    const QString title = ofLemma ? tr("Concordance du lemme « %1 »").arg(form) : tr("Concordance de « %1 »").arg(form);
    concordanceGrid = createReportGrid("concordanceGrid", rowsModel_, tr("Occurrences de « %1 »").arg(form), this);
    concordanceGrid->setWordWrap(false);
    QHeaderView* header = concordanceGrid->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    header->setSectionResizeMode(3, QHeaderView::Stretch);
    auto* occurrenceCountLabel = new QLabel(utf8Text(french::occurrenceCount(concordance_.occurrences.size())), this);
    Q_SET_OBJECT_NAME(occurrenceCountLabel);

    firstSortKeyBox = createSortKeyBox("firstSortKeyBox", tr("Ordre du texte"), this);
    secondSortKeyBox = createSortKeyBox("secondSortKeyBox", tr("—"), this);
    thirdSortKeyBox = createSortKeyBox("thirdSortKeyBox", tr("—"), this);
    contextSizeBox = new QSpinBox(this);
    Q_SET_OBJECT_NAME(contextSizeBox);
    // The contexts are cut once the amount is typed whole, at each step of the arrows.
    contextSizeBox->setKeyboardTracking(false);
    contextSizeBox->setRange(1, mostContext(concordance_.context.unit));
    contextSizeBox->setValue(static_cast<int>(concordance_.context.amount));
    contextUnitBox = new QComboBox(this);
    Q_SET_OBJECT_NAME(contextUnitBox);
    contextUnitBox->addItem(tr("en formes"), static_cast<int>(ContextUnit::Forms));
    contextUnitBox->addItem(tr("en caractères"), static_cast<int>(ContextUnit::Characters));
    contextUnitBox->setCurrentIndex(contextUnitBox->findData(static_cast<int>(concordance_.context.unit)));
    QLabel* contextLabel = createLabelOf(contextSizeBox, tr("Contexte :"), this);
    contextUnitBox->setAccessibleName(contextSizeBox->accessibleName());

    showInTextButton = createCommandButton(tr("Afficher dans le texte"), this);
    Q_SET_OBJECT_NAME(showInTextButton);
    showCollocatesButton = createCommandButton(tr("Cooccurrents"), this);
    Q_SET_OBJECT_NAME(showCollocatesButton);
    // The forms around a run of several forms are not computed: only around one form or one
    // pattern; nor around the several forms of a lemma, nor where they lie.
    const bool onePivot = formQuery(searched().words, searched().syntax, concordance_.letters).size() == 1;
    showCollocatesButton->setEnabled(!ofLemma && onePivot);
    showDispersionButton = createCommandButton(tr("Répartition dans le texte"), this);
    Q_SET_OBJECT_NAME(showDispersionButton);
    showDispersionButton->setEnabled(!ofLemma);
    // A query of patterns: the forms it found; a search that found nothing: the closest forms.
    auto* searchOutcomeLabel = new QLabel(utf8Text(french::searchOutcome(concordance_)), this);
    Q_SET_OBJECT_NAME(searchOutcomeLabel);
    searchOutcomeLabel->setWordWrap(true);
    searchOutcomeLabel->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    searchOutcomeLabel->setVisible(!searchOutcomeLabel->text().isEmpty());

    const ResultFrame sentence =
        createResultFrame("sentenceFrame", tr("Phrase de l'occurrence"), "sentenceBox", ScrollBars::Vertical, this);
    sentenceBox = sentence.box;
    sentenceBox->setReadOnly(true);
    sentenceBox->setMaximumHeight(sentenceBox->fontMetrics().lineSpacing() * sentenceLines
                                  + 2 * sentenceBox->editor()->frameWidth()
                                  + 2 * static_cast<int>(sentenceBox->editor()->document()->documentMargin()));
    // A pattern's wildcards have no place in a file's name.
    const QString exportName =
        !concordance_.query.empty() ? tr("concordance-recherche.csv") : tr("concordance-%1.csv").arg(form);
    const int gap = fontMetrics().averageCharWidth() * 4;
    filterBar = new FormFilterBar(concordance_.letters, FormFilterBar::FunctionWordChoice::NotOffered, this);
    Q_SET_OBJECT_NAME(filterBar);

    build({.caption = tr("Parvane Dorlesca - %1").arg(title),
           .title = title,
           .body = {Row{occurrenceCountLabel, Stretch{}, showInTextButton, Spacing{gap}, showCollocatesButton,
                        showDispersionButton},
                    searchOutcomeLabel,
                    Row{createLabelOf(firstSortKeyBox, tr("Trier par"), this), firstSortKeyBox,
                        createLabelOf(secondSortKeyBox, tr("puis par"), this), secondSortKeyBox,
                        createLabelOf(thirdSortKeyBox, tr("puis par"), this), thirdSortKeyBox, Spacing{gap},
                        contextLabel, contextSizeBox, contextUnitBox, Stretch{}},
                    filterBar,
                    {concordanceGrid, 1},
                    sentence.frame},
           .size = {980, 640},
           .menuBar = {.grid = concordanceGrid},
           .tableExport = {rowsModel_, exportName}});
}

void ConcordanceWindow::connectSignals()
{
    for (QComboBox* box : {firstSortKeyBox, secondSortKeyBox, thirdSortKeyBox})
        connect(box, &QComboBox::currentIndexChanged, this, &ConcordanceWindow::showInChosenOrder);
    connect(contextUnitBox, &QComboBox::currentIndexChanged, this, &ConcordanceWindow::showChosenContextUnit);
    connect(filterBar, &FormFilterBar::changed, this, &ConcordanceWindow::showInChosenOrder);
    connect(contextSizeBox, &QSpinBox::valueChanged, this, &ConcordanceWindow::cutChosenContexts);
    connect(concordanceGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &ConcordanceWindow::showCurrentOccurrence);
    connect(concordanceGrid, &QTableView::activated, this, &ConcordanceWindow::showInText);
    connect(showInTextButton, &QPushButton::clicked, this, &ConcordanceWindow::showInText);
    connect(showCollocatesButton, &QPushButton::clicked, this,
            [this] { CollocatesWindow::open(this, text_, searched()); });
    connect(showDispersionButton, &QPushButton::clicked, this,
            [this] { DispersionWindow::open(this, text_, searched()); });
    if (loadedTextWindow_) {
        // Once the main window's text is replaced or edited, it no longer has the occurrences
        // where the concordance found them; an edit undone brings them back.
        LoadedTextBox* loadedText = loadedTextWindow_->loadedTextBox();
        connect(loadedText, &LoadedTextBox::textSet, this, &ConcordanceWindow::enableShowInText);
        connect(loadedText, &LoadedTextBox::edited, this, &ConcordanceWindow::enableShowInText);
    }
}

TextQuery ConcordanceWindow::searched() const
{
    return concordance_.query.empty() ? TextQuery{concordance_.form}
                                      : TextQuery{concordance_.query, concordance_.syntax};
}

std::vector<ConcordanceKey> ConcordanceWindow::chosenKeys() const
{
    std::vector<ConcordanceKey> keys;
    for (const QComboBox* box : {firstSortKeyBox, secondSortKeyBox, thirdSortKeyBox}) {
        const QVariant key = box->currentData();
        if (!key.isValid())
            break;
        keys.push_back(static_cast<ConcordanceKey>(key.toInt()));
    }
    return keys;
}

void ConcordanceWindow::showInChosenOrder()
{
    const std::vector<ConcordanceKey> keys = chosenKeys();
    // A box follows the one before it: a key after the text's order, or after none, says nothing.
    secondSortKeyBox->setEnabled(!keys.empty());
    thirdSortKeyBox->setEnabled(keys.size() > 1);
    const std::optional<std::size_t> current = currentPlace();
    std::vector<std::size_t> order;
    {
        const HourglassCursor hourglass;
        order = filterBar->shownAmong(concordanceOrder(concordance_, keys), [this](std::size_t place) {
            const ConcordanceLine& line = concordance_.occurrences[place];
            return std::string(line.left).append(" ").append(line.form).append(" ").append(line.right);
        });
    }
    // The current occurrence stays current, if the filter keeps it.
    const auto kept = current ? std::ranges::find(order, *current) : order.end();
    const auto position = kept == order.end() ? 0 : kept - order.begin();
    rowsModel_->setRows(concordance_.occurrences, std::move(order));
    if (rowsModel_->rowCount() > 0) {
        concordanceGrid->setCurrentIndex(rowsModel_->index(static_cast<int>(position), 0));
        concordanceGrid->scrollTo(concordanceGrid->currentIndex());
    }
    showCurrentOccurrence();
}

void ConcordanceWindow::showChosenContextUnit()
{
    const auto unit = static_cast<ContextUnit>(contextUnitBox->currentData().toInt());
    {
        const QSignalBlocker blocker(contextSizeBox);
        contextSizeBox->setRange(1, mostContext(unit));
        contextSizeBox->setValue(
            static_cast<int>(unit == ContextUnit::Forms ? defaultContextForms : defaultContext.amount));
    }
    cutChosenContexts();
}

void ConcordanceWindow::cutChosenContexts()
{
    const ConcordanceContext context = {static_cast<std::size_t>(contextSizeBox->value()),
                                        static_cast<ContextUnit>(contextUnitBox->currentData().toInt())};
    if (context == concordance_.context)
        return;
    {
        const HourglassCursor hourglass;
        cutContexts(concordance_.occurrences, text_->text(), context, concordance_.letters);
        concordance_.context = context;
    }
    // The forms around an occurrence are those its contexts show: the order may change.
    showInChosenOrder();
}

std::optional<std::size_t> ConcordanceWindow::currentPlace() const
{
    const QModelIndex current = concordanceGrid->currentIndex();
    if (!current.isValid())
        return std::nullopt;
    return rowsModel_->placeAt(static_cast<std::size_t>(current.row()));
}

void ConcordanceWindow::showCurrentOccurrence()
{
    const std::optional<std::size_t> place = currentPlace();
    if (!place) {
        sentenceBox->setText(QString());
    } else {
        const ConcordanceLine& occurrence = concordance_.occurrences[*place];
        const std::string_view sentence =
            sentenceAround(text_->text(), occurrence.start, occurrence.end, sentenceReach);
        sentenceBox->setText(fromCp1252(sentence));
        const auto sentenceStart = static_cast<std::size_t>(sentence.data() - text_->text().data());
        sentenceBox->selectCharacters(static_cast<qsizetype>(occurrence.start - sentenceStart),
                                      static_cast<qsizetype>(occurrence.end - sentenceStart));
    }
    enableShowInText();
}

LoadedTextBox* ConcordanceWindow::textBoxShowingText() const
{
    return loadedTextWindow_ && loadedTextWindow_->showsText(*text_) ? loadedTextWindow_->loadedTextBox() : nullptr;
}

void ConcordanceWindow::enableShowInText()
{
    showInTextButton->setEnabled(currentPlace() && textBoxShowingText());
}

void ConcordanceWindow::showInText()
{
    LoadedTextBox* loadedText = textBoxShowingText();
    const std::optional<std::size_t> place = currentPlace();
    if (!loadedText || !place)
        return;
    const ConcordanceLine& occurrence = concordance_.occurrences[*place];
    loadedText->selectCharacters(static_cast<qsizetype>(occurrence.start), static_cast<qsizetype>(occurrence.end));
}

} // namespace quorvelle::ui
