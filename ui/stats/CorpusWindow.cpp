// The corpus window.
#include "ui/stats/CorpusWindow.h"
#include "ui/cancellable_work.h"

#include "core/corpus/corpus.h"
#include "core/explanations/corpus_explanations.h"
#include "core/explanations/figure_explanation.h"
#include "core/presentation/corpus_messages.h"
#include "core/reports/rounding.h"
#include "core/reports/specificity_report.h"
#include "core/statistics/corpus_statistic.h"
#include "core/text/segmentation.h"
#include "ui/WaitDialog.h"
#include "ui/charts/WordCloudChart.h"
#include "ui/charts/chart_windows.h"
#include "ui/cp1252_text.h"
#include "ui/figure_explanations.h"
#include "ui/missing_dictionary.h"
#include "ui/number_text.h"
#include "ui/report_grid.h"
#include "ui/stats/ConcordanceWindow.h"
#include "ui/stats/FormFilterBar.h"
#include "ui/unit_choice.h"
#include "ui/window_layout.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>

#include <algorithm>
#include <limits>
#include <tuple>
#include <utility>

namespace quorvelle::ui {
namespace {

constexpr QSize windowSize(1000, 760);
constexpr int largestMinFrequency = std::numeric_limits<int>::max();
constexpr int coordinateDecimals = 4;
constexpr int shareDecimals = 2;

// A number of the points' grids, rounded as shown; a point at the centre shows 0, not -0.
QString rounded(double value, int decimals)
{
    return numberText(roundHalfEven(value, decimals) + 0.0);
}

// The grid's model of the points on every factor the analysis gives them: their name and mass,
// then for each factor its coordinate, contribution and squared cosine.
RowTableModel<FactorPoint>* pointsModel(const CorrespondenceAnalysis& analysis, const QString& nameHeading,
                                        QObject* parent)
{
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    std::vector<RowTableModel<FactorPoint>::Column> columns{
        {nameHeading, Qt::AlignLeft | Qt::AlignVCenter,
         [](const FactorPoint& point, std::size_t) { return fromCp1252(point.name); }},
        {QCoreApplication::translate("quorvelle::ui", "Masse (%)"), right,
         [](const FactorPoint& point, std::size_t) { return rounded(point.mass * 100, shareDecimals); }}};
    for (std::size_t factor = 0; factor < analysis.pointFactorCount(); ++factor) {
        const QString name = QStringLiteral("F%1").arg(factor + 1);
        columns.push_back({name, right, [factor](const FactorPoint& point, std::size_t) {
                               return rounded(point.coordinates[factor], coordinateDecimals);
                           }});
        columns.push_back({QCoreApplication::translate("quorvelle::ui", "Contribution %1 (%)").arg(name), right,
                           [factor](const FactorPoint& point, std::size_t) {
                               return rounded(point.contributions[factor] * 100, shareDecimals);
                           }});
        columns.push_back({QCoreApplication::translate("quorvelle::ui", "Cos² %1").arg(name), right,
                           [factor](const FactorPoint& point, std::size_t) {
                               return rounded(point.cos2[factor], coordinateDecimals);
                           }});
    }
    return new RowTableModel<FactorPoint>(std::move(columns), parent);
}

// The grid's columns fitted to their contents; the first one, which names the row, takes the
// room left, unless the columns are too many to share it.
enum class RoomLeft { ToFirstColumn, ToNone };

void fitColumns(QTableView* grid, RoomLeft room = RoomLeft::ToFirstColumn)
{
    QHeaderView* header = grid->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    if (room == RoomLeft::ToFirstColumn)
        header->setSectionResizeMode(0, QHeaderView::Stretch);
}

// The forms typed, cut as the text is; the lemmas, which may hold an apostrophe (aujourd'hui),
// only at the blanks.
std::vector<std::string> typedUnits(const QString& typed, LetterRule letters, bool lemmas)
{
    std::vector<std::string> units;
    if (lemmas) {
        for (const QString& lemma : typed.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts))
            units.push_back(toCp1252(lemma));
    } else {
        forEachForm(toCp1252(typed), Alphabet::of(letters),
                    [&units](std::string_view form) { units.emplace_back(form); });
    }
    return units;
}

} // namespace

CorpusWindow::PartitionAnalysis CorpusWindow::analyse(const Corpus& corpus, const std::optional<std::string>& variable,
                                                      LetterRule letters, CountingUnit unit, std::int64_t minFrequency)
{
    std::vector<PartGroup> groups =
        partition(corpus, variable ? std::optional<std::string_view>(*variable) : std::nullopt);
    auto table = std::make_shared<const LexicalTable>(CorpusStatistic::table(corpus, groups, letters, unit));
    CorpusPartsReport parts = corpusPartsReport(*table);
    CorrespondenceAnalysis analysis = correspondenceAnalysis(*table, minFrequency);
    return {std::move(groups), std::move(table), std::move(parts), std::move(analysis)};
}

void CorpusWindow::open(QWidget* parent, std::shared_ptr<const Corpus> corpus, LetterRule letters)
{
    std::optional<PartitionAnalysis> analysis = resultAfterWaiting(
        parent, runCancellable([corpus, letters] {
            return analyse(*corpus, std::nullopt, letters, CountingUnit::Forms, defaultAnalysisMinFrequency);
        }));
    if (analysis)
        openModeless<CorpusWindow>(parent, std::move(corpus), letters, std::move(*analysis));
}

CorpusWindow::CorpusWindow(std::shared_ptr<const Corpus> corpus, LetterRule letters, PartitionAnalysis analysis,
                           QWidget* parent)
    : StatisticsWindow(letters, parent)
    , corpus_(std::move(corpus))
    , letters_(letters)
    , shown_(std::move(analysis))
{
    buildUi();
    connect(partitionBox, &QComboBox::currentIndexChanged, this, &CorpusWindow::applyChosenPartitionAndUnit);
    connect(unitBox, &QComboBox::currentIndexChanged, this, &CorpusWindow::applyChosenPartitionAndUnit);
    connect(partBox, &QComboBox::currentIndexChanged, this, &CorpusWindow::showSpecificitiesOfChosenPart);
    connect(thresholdBox, &QComboBox::currentIndexChanged, this, &CorpusWindow::showSpecificForms);
    connect(specificFormFilterBar, &FormFilterBar::changed, this, &CorpusWindow::showSpecificForms);
    connect(specificFormGrid, &QTableView::activated, this, &CorpusWindow::followFormOfRow);
    connect(progressionFormsBox, &QLineEdit::returnPressed, this, &CorpusWindow::showProgressionOfTypedForms);
    connect(progressionGrid, &QTableView::activated, this, &CorpusWindow::showFormInPart);
    connect(minFrequencyBox, &QSpinBox::editingFinished, this, &CorpusWindow::applyChosenMinFrequency);
    showPartitionAnalysis();
}

void CorpusWindow::buildUi()
{
    partitionBox = new QComboBox(this);
    Q_SET_OBJECT_NAME(partitionBox);
    partitionBox->addItem(utf8Text(french::partitionCaption({})));
    for (const std::string& variable : corpus_->variables())
        partitionBox->addItem(fromCp1252(variable), fromCp1252(variable));
    auto* partitionLabel = new QLabel(tr("&Partition :"), this);
    partitionLabel->setObjectName(QStringLiteral("partitionLabel"));
    labelControl(partitionLabel, partitionBox);
    partitionBox->setToolTip(tr("Étudier chaque partie seule, ou les parties regroupées selon la valeur d'une "
                                "variable de leurs lignes étoilées (*variable_modalité)."));
    const UnitChoice unit = createUnitChoice(
        tr("Les lemmes comptent « aimer » à la place de toutes ses formes, dans chaque analyse du corpus."), this);
    unitBox = unit.box;

    tabs = new QTabWidget(this);
    Q_SET_OBJECT_NAME(tabs);
    tabs->addTab(buildPartsTab(), tr("P&arties"));
    tabs->addTab(buildSpecificitiesTab(), tr("Spé&cificités"));
    tabs->addTab(buildAnalysisTab(), tr("A&nalyse factorielle"));

    build({.caption = tr("Parvane Dorlesca - Le corpus et ses parties"),
           .title = utf8Text(CorpusStatistic::info.title),
           .body = {Row{partitionLabel, partitionBox, Spacing{24}, unit.label, unitBox, Stretch{}}, {tabs, 1}},
           .size = windowSize,
           .menuBar = {.grid = specificFormGrid},
           .tableExport = {specificFormsModel_, tr("specificites-partie.csv")},
           .chartItems = {{"factorMapAction", tr("&Carte factorielle"), [this] { openFactorMap(); }, &factorMapAction_},
                          {"progressionChartAction", tr("&Progression des formes"), [this] { openProgressionChart(); },
                           &progressionChartAction_},
                          {"partCloudAction", tr("&Nuage de mots de la partie"), [this] { openPartCloud(); }}}});
}

QWidget* CorpusWindow::buildPartsTab()
{
    auto* page = new QWidget(this);
    QGroupBox* totalsFrame = createFrame("corpusFrame", tr("Le corpus"), page);
    corpusValues_ = addTotals(totalsFrame, {{"corpusTokensCaption", tr("Formes du corpus (T) :"), "corpusTokensValue"},
                                            {"corpusDistinctCaption", tr("Formes distinctes :"), "corpusDistinctValue"}});
    partsModel_ = new RowTableModel<PartSize>(CorpusStatistic::partTable.columns, this);
    partGrid = createReportGrid("partGrid", partsModel_, tr("Les parties"), page);
    fitColumns(partGrid);
    Column{Row{totalsFrame, Stretch{}}, {partGrid, 1}}.attachTo(page);
    return page;
}

QWidget* CorpusWindow::buildSpecificitiesTab()
{
    auto* page = new QWidget(this);
    partBox = new QComboBox(page);
    Q_SET_OBJECT_NAME(partBox);
    auto* partLabel = new QLabel(tr("Pa&rtie :"), page);
    partLabel->setObjectName(QStringLiteral("partLabel"));
    labelControl(partLabel, partBox);

    thresholdBox = new QComboBox(page);
    Q_SET_OBJECT_NAME(thresholdBox);
    for (const double threshold : thresholds)
        thresholdBox->addItem(numberText(threshold), threshold);
    thresholdBox->setCurrentIndex(
        static_cast<int>(std::ranges::find(thresholds, defaultSpecificityThreshold) - thresholds.begin()));
    auto* thresholdLabel = new QLabel(tr("&Seuil de spécificité :"), page);
    thresholdLabel->setObjectName(QStringLiteral("thresholdLabel"));
    labelControl(thresholdLabel, thresholdBox);

    specificFormFilterBar = new FormFilterBar(letters_, FormFilterBar::FunctionWordChoice::NotOffered, page);
    Q_SET_OBJECT_NAME(specificFormFilterBar);
    specificFormsModel_ = new RowTableModel<PartSpecificForm>(CorpusStatistic::specificFormTable.columns, this);
    specificFormGrid = createReportGrid("specificFormGrid", specificFormsModel_, tr("Formes spécifiques de la partie"), page);
    fitColumns(specificFormGrid);
    specificFormGrid->setToolTip(tr("Entrée ou double-clic : la spécificité de la forme dans chaque partie."));
    explainGridRows(specificFormGrid, CorpusStatistic::specificFormFigures, partSpecificities_, *specificFormsModel_);

    progressionFormsBox = new QLineEdit(page);
    Q_SET_OBJECT_NAME(progressionFormsBox);
    progressionFormsBox->setToolTip(tr("Une ou plusieurs formes, séparées par des espaces, puis Entrée : leur "
                                       "attestations, fréquence et spécificité dans chaque partie."));
    auto* progressionFormsLabel = new QLabel(tr("Formes su&ivies :"), page);
    progressionFormsLabel->setObjectName(QStringLiteral("progressionFormsLabel"));
    labelControl(progressionFormsLabel, progressionFormsBox);
    progressionLabel = new QLabel(page);
    Q_SET_OBJECT_NAME(progressionLabel);
    progressionLabel->setWordWrap(true);
    progressionModel_ = new RowTableModel<ProgressionStep>(ProgressionStatistic::table.columns, this);
    progressionGrid =
        createReportGrid("progressionGrid", progressionModel_, tr("Les formes suivies dans chaque partie"), page);
    fitColumns(progressionGrid, RoomLeft::ToNone);
    progressionGrid->setToolTip(tr("Entrée ou double-clic : la forme en contexte dans cette partie."));

    Column{Row{partLabel, partBox, Spacing{24}, thresholdLabel, thresholdBox, Stretch{}},
           specificFormFilterBar,
           {specificFormGrid, 3},
           Row{progressionFormsLabel, {progressionFormsBox, 1}},
           progressionLabel,
           {progressionGrid, 2}}
        .attachTo(page);
    return page;
}

QWidget* CorpusWindow::buildAnalysisTab()
{
    auto* page = new QWidget(this);
    minFrequencyBox = new QSpinBox(page);
    Q_SET_OBJECT_NAME(minFrequencyBox);
    minFrequencyBox->setRange(1, largestMinFrequency);
    minFrequencyBox->setValue(static_cast<int>(defaultAnalysisMinFrequency));
    auto* minFrequencyLabel = new QLabel(tr("Formes d'au &moins (attestations) :"), page);
    minFrequencyLabel->setObjectName(QStringLiteral("minFrequencyLabel"));
    labelControl(minFrequencyLabel, minFrequencyBox);

    horizontalFactorBox = new QComboBox(page);
    Q_SET_OBJECT_NAME(horizontalFactorBox);
    auto* horizontalLabel = new QLabel(tr("Axe &horizontal :"), page);
    horizontalLabel->setObjectName(QStringLiteral("horizontalFactorLabel"));
    labelControl(horizontalLabel, horizontalFactorBox);
    verticalFactorBox = new QComboBox(page);
    Q_SET_OBJECT_NAME(verticalFactorBox);
    auto* verticalLabel = new QLabel(tr("Axe &vertical :"), page);
    verticalLabel->setObjectName(QStringLiteral("verticalFactorLabel"));
    labelControl(verticalLabel, verticalFactorBox);
    const QString mapHint = tr("Les facteurs de la carte factorielle (Graphique › Carte factorielle).");
    horizontalFactorBox->setToolTip(mapHint);
    verticalFactorBox->setToolTip(mapHint);

    analysisNote = new QLabel(page);
    Q_SET_OBJECT_NAME(analysisNote);
    analysisNote->setWordWrap(true);

    factorsModel_ = new RowTableModel<Factor>(CorpusStatistic::factorTable.columns, this);
    factorGrid = createReportGrid("factorGrid", factorsModel_, tr("Les facteurs"), page);
    fitColumns(factorGrid, RoomLeft::ToNone);
    explainGridRows(factorGrid, CorpusStatistic::factorFigures, shown_.analysis, *factorsModel_);

    // The points' columns change with the number of factors: their grids show a new model each
    // time, through a proxy that stays.
    partPoints_ = new QIdentityProxyModel(this);
    formPoints_ = new QIdentityProxyModel(this);
    partPointGrid = createReportGrid("partPointGrid", partPoints_, tr("Les parties sur les facteurs"), page);
    formPointGrid = createReportGrid("formPointGrid", formPoints_, tr("Les formes sur les facteurs"), page);

    Column{Row{minFrequencyLabel, minFrequencyBox, Spacing{24}, horizontalLabel, horizontalFactorBox, verticalLabel,
               verticalFactorBox, Stretch{}},
           analysisNote,
           {factorGrid, 1},
           {partPointGrid, 1},
           {formPointGrid, 2}}
        .attachTo(page);
    return page;
}

std::optional<std::string> CorpusWindow::chosenVariable() const
{
    const QVariant variable = partitionBox->currentData();
    if (!variable.isValid())
        return std::nullopt;
    return toCp1252(variable.toString());
}

// Lemmas need the French dictionary: without it, the window says so and stays on the forms.
void CorpusWindow::applyChosenPartitionAndUnit()
{
    const std::optional<std::string> variable = chosenVariable();
    const CountingUnit unit = chosenUnit(unitBox);
    const std::int64_t minFrequency = minFrequencyBox->value();
    std::optional<PartitionAnalysis> analysis;
    try {
        analysis = resultAfterWaiting(
            this, runCancellable([corpus = corpus_, variable, letters = letters_, unit, minFrequency] {
                return analyse(*corpus, variable, letters, unit, minFrequency);
            }));
    } catch (const DictionaryError& error) {
        reportMissingDictionary(this, utf8Text(CorpusStatistic::info.title), error);
    }
    if (!analysis) {
        showUnit(unitBox, shown_.table->ofLemmas);
        return;
    }
    shown_ = std::move(*analysis);
    showPartitionAnalysis();
}

void CorpusWindow::showPartitionAnalysis()
{
    corpusValues_[0]->setText(numberText(static_cast<double>(shown_.parts.tokens)));
    corpusValues_[1]->setText(numberText(static_cast<double>(shown_.parts.distinct)));
    partsModel_->setRows(shown_.parts.parts);
    {
        const QSignalBlocker blocker(partBox);
        partBox->clear();
        for (const PartSize& part : shown_.parts.parts)
            partBox->addItem(fromCp1252(part.name));
    }
    showSpecificitiesOfChosenPart();
    showFactors();
}

void CorpusWindow::showSpecificitiesOfChosenPart()
{
    const int column = std::max(0, partBox->currentIndex());
    std::optional<PartSpecificities> part =
        resultAfterWaiting(this, runCancellable([table = shown_.table, column] {
                               return partSpecificities(*table, static_cast<std::size_t>(column));
                           }));
    if (!part)
        return;
    partSpecificities_ = std::move(*part);
    showSpecificForms();
    showProgressionOfTypedForms();
}

void CorpusWindow::showSpecificForms()
{
    const double threshold = thresholdBox->currentData().toDouble();
    specificRows_.clear();
    for (std::size_t place = 0; place < partSpecificities_.forms.size(); ++place) {
        const double specificity = partSpecificities_.forms[place].specificity;
        if (specificity >= threshold || specificity <= -threshold)
            specificRows_.push_back(place);
    }
    specificRows_ = specificFormFilterBar->shownAmong(
        std::move(specificRows_), std::span<const PartSpecificForm>(partSpecificities_.forms), &PartSpecificForm::form);
    specificFormsModel_->setRows(partSpecificities_.forms, specificRows_);
}

void CorpusWindow::followFormOfRow(const QModelIndex& index)
{
    progressionFormsBox->setText(
        fromCp1252(specificFormsModel_->rowAt(static_cast<std::size_t>(index.row())).form));
    showProgressionOfTypedForms();
}

void CorpusWindow::showProgressionOfTypedForms()
{
    progressions_.clear();
    progressionSteps_.clear();
    QStringList totals;
    for (const std::string& form : typedUnits(progressionFormsBox->text(), letters_, shown_.table->ofLemmas)) {
        FormProgression progression = formProgression(*shown_.table, form);
        totals << tr("« %1 » : %2 dans le corpus")
                      .arg(fromCp1252(progression.form),
                           utf8Text(ExplanationNumbers::counted(progression.total, "attestation", "attestations")));
        progressionSteps_.insert(progressionSteps_.end(), progression.steps.begin(), progression.steps.end());
        progressions_.push_back(std::move(progression));
    }
    progressionLabel->setText(totals.isEmpty()
                                  ? tr("Entrée ou double-clic sur une forme de la liste, ou des formes tapées puis "
                                       "Entrée : leur progression dans chaque partie.")
                                  : totals.join(QStringLiteral(" ; ")));
    progressionModel_->setRows(progressionSteps_);
    progressionChartAction_->setEnabled(!progressions_.empty());
}

void CorpusWindow::showFormInPart(const QModelIndex& index)
{
    const auto row = static_cast<std::size_t>(index.row());
    const ProgressionStep& step = progressionModel_->rowAt(row);
    const PartGroup& group = shown_.groups.at(row % shown_.groups.size());
    SharedText text = analyseText(std::make_shared<const std::string>(groupText(*corpus_, group)), letters_);
    if (shown_.table->ofLemmas)
        ConcordanceWindow::openLemma(this, std::move(text), step.form);
    else
        ConcordanceWindow::open(this, std::move(text), step.form);
}

void CorpusWindow::openProgressionChart()
{
    openModeless<ProgressionChart>(this, std::span<const FormProgression>(progressions_));
}

// The most frequent forms of the part chosen in partBox.
void CorpusWindow::openPartCloud()
{
    std::vector<WeightedForm> forms;
    forms.reserve(partSpecificities_.forms.size());
    for (const PartSpecificForm& form : partSpecificities_.forms)
        forms.push_back({form.form, static_cast<double>(form.f)});
    openModeless<WordCloudChart>(this, std::move(forms),
                                 tr("Nuage de mots de « %1 »").arg(fromCp1252(partSpecificities_.part)),
                                 tr("Nombre d'attestations"));
}

void CorpusWindow::applyChosenMinFrequency()
{
    const std::int64_t minFrequency = minFrequencyBox->value();
    if (minFrequency == shown_.analysis.minFrequency)
        return;
    std::optional<CorrespondenceAnalysis> analysis = resultAfterWaiting(
        this,
        runCancellable([table = shown_.table, minFrequency] { return correspondenceAnalysis(*table, minFrequency); }));
    if (!analysis)
        return;
    shown_.analysis = std::move(*analysis);
    showFactors();
}

void CorpusWindow::openFactorMap()
{
    const int horizontal = horizontalFactorBox->currentIndex();
    const int vertical = verticalFactorBox->currentIndex();
    if (horizontal < 0 || vertical < 0)
        return;
    openModeless<FactorMapChart>(this, shown_.analysis, static_cast<std::size_t>(horizontal),
                                 static_cast<std::size_t>(vertical));
}

void CorpusWindow::showFactors()
{
    const CorrespondenceAnalysis& analysis = shown_.analysis;
    QString note =
        tr("%1 d'au moins %2 attestations, %3.")
            .arg(utf8Text(ExplanationNumbers::counted(static_cast<std::int64_t>(analysis.forms.size()), "forme",
                                                      "formes")))
            .arg(analysis.minFrequency)
            .arg(utf8Text(ExplanationNumbers::counted(static_cast<std::int64_t>(analysis.factors.size()), "facteur",
                                                      "facteurs")));
    if (analysis.factors.empty())
        note = tr("Aucun facteur : il faut au moins deux parties et deux formes retenues, qui ne se répartissent pas "
                  "de la même façon dans toutes les parties. Abaissez le nombre d'attestations, ou choisissez une "
                  "autre partition.");
    // Without any form kept, every part is left out: the note says so already.
    for (const std::string& part : analysis.forms.empty() ? std::vector<std::string>() : analysis.partsLeftOut)
        note += QLatin1Char(' ')
            + tr("La partie « %1 » n'a aucune de ces formes : elle est hors de l'analyse.").arg(fromCp1252(part));
    analysisNote->setText(note);
    factorsModel_->setRows(analysis.factors);
    for (QComboBox* box : {horizontalFactorBox, verticalFactorBox}) {
        box->clear();
        for (std::size_t factor = 0; factor < analysis.pointFactorCount(); ++factor)
            box->addItem(QStringLiteral("F%1").arg(factor + 1));
    }
    verticalFactorBox->setCurrentIndex(std::min(1, verticalFactorBox->count() - 1));
    // A map needs two factors.
    factorMapAction_->setEnabled(analysis.pointFactorCount() >= 2);

    const std::tuple<QTableView*, QIdentityProxyModel*, const std::vector<FactorPoint>*, QString> grids[] = {
        {partPointGrid, partPoints_, &analysis.parts, tr("Partie")},
        {formPointGrid, formPoints_, &analysis.forms, tr("Forme")}};
    for (const auto& [grid, proxy, points, nameHeading] : grids) {
        QAbstractItemModel* previous = proxy->sourceModel();
        auto* model = pointsModel(analysis, nameHeading, this);
        model->setRows(*points);
        proxy->setSourceModel(model);
        delete previous;
        fitColumns(grid, RoomLeft::ToNone);
        for (std::size_t factor = 0; factor < analysis.pointFactorCount(); ++factor)
            explainColumn(grid, static_cast<int>(3 + 3 * factor),
                          [this, model, factor](int row, const ExplanationNumbers& numbers) {
                              return explainContribution(shown_.analysis, model->rowAt(static_cast<std::size_t>(row)),
                                                         factor, numbers);
                          });
    }
}

} // namespace quorvelle::ui
