// A corpus cut into parts: its parts, what each says more or less than the others, and the
// correspondence analysis of its forms and parts.
#pragma once

#include "core/corpus/corpus_reports.h"
#include "core/corpus/correspondence_analysis.h"
#include "core/lemmas/lemma_tokens.h"
#include "ui/ReportTableModel.h"
#include "ui/stats/StatisticsWindow.h"

#include <QList>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QIdentityProxyModel;
class QLabel;
class QLineEdit;
class QModelIndex;
class QSpinBox;
class QTabWidget;
class QTableView;

namespace quorvelle::ui {

class FormFilterBar;

/// Opened from the main window's "Le corpus et ses parties" beside it, not modal, for a corpus
/// of at least two parts. Its tabs present the core's analyses of the corpus under the
/// partition chosen in partitionBox (each part, or the parts grouped by a variable), counting
/// the forms or, as unitBox chooses, the lemmas (each in place of its forms):
/// - « Parties »: in partGrid, each group's forms, distinct forms, hapaxes and share;
/// - « Spécificités »: in specificFormGrid, the forms of the group chosen in partBox whose
///   specificity reaches the threshold chosen in thresholdBox, over-used first; in
///   progressionGrid, the forms typed in progressionFormsBox (or the one activated in the
///   grid) through the groups, each group's row opening the form's concordance in it, and
///   "&Graphique" › "&Progression des formes" their chart; "&Graphique" › "&Nuage de mots de la
///   partie" draws the most frequent forms of the group chosen;
/// - « Analyse factorielle »: for the forms of at least minFrequencyBox attestations, the
///   factors in factorGrid, and the parts and forms on them in partPointGrid and
///   formPointGrid; "&Graphique" › "&Carte factorielle" draws them on the plane of the factors
///   chosen in horizontalFactorBox and verticalFactorBox.
/// Every analysis is computed off the interface thread; the specificities, the factors' shares
/// and the points' contributions explain their computation.
class CorpusWindow final : public StatisticsWindow {
    Q_OBJECT
public:
    /// The thresholds offered, as for two texts; the default one is selected at first.
    static constexpr std::array thresholds{1.0, 2.0, 3.0, 5.0, 10.0};

    /// What the window shows of the corpus under one partition.
    struct PartitionAnalysis {
        std::vector<PartGroup> groups;
        std::shared_ptr<const LexicalTable> table;
        CorpusPartsReport parts;
        CorrespondenceAnalysis analysis;
    };

    /// The analyses of the corpus under the partition by variable (none: each part on its own),
    /// counting the unit, the correspondence analysis of the forms of at least minFrequency
    /// attestations. The lemmas need the French dictionary (else DictionaryError).
    static PartitionAnalysis analyse(const Corpus& corpus, const std::optional<std::string>& variable,
                                     LetterRule letters, CountingUnit unit, std::int64_t minFrequency);

    /// Computes the analyses of the corpus, each part on its own, off the interface thread
    /// (see WaitDialog::waitFor), then shows the window beside parent.
    static void open(QWidget* parent, std::shared_ptr<const Corpus> corpus, LetterRule letters);

    CorpusWindow(std::shared_ptr<const Corpus> corpus, LetterRule letters, PartitionAnalysis analysis,
                 QWidget* parent);

private slots:
    void applyChosenPartitionAndUnit();
    void showSpecificitiesOfChosenPart();
    void showSpecificForms();
    void followFormOfRow(const QModelIndex& index);
    void showProgressionOfTypedForms();
    void showFormInPart(const QModelIndex& index);
    void openProgressionChart();
    void openPartCloud();
    void applyChosenMinFrequency();
    void openFactorMap();

private:
    void buildUi();
    QWidget* buildPartsTab();
    QWidget* buildSpecificitiesTab();
    QWidget* buildAnalysisTab();
    /// Shows the analysis of the partition: the parts, the choice of part, the factors.
    void showPartitionAnalysis();
    void showFactors();
    /// The variable partitionBox names, or nothing for each part on its own.
    std::optional<std::string> chosenVariable() const;

    std::shared_ptr<const Corpus> corpus_;
    LetterRule letters_;
    PartitionAnalysis shown_;
    PartSpecificities partSpecificities_;
    std::vector<std::size_t> specificRows_; ///< the places in partSpecificities_.forms shown
    std::vector<FormProgression> progressions_;
    std::vector<ProgressionStep> progressionSteps_; ///< the steps of every form followed, form after form

    QTabWidget* tabs;
    QComboBox* partitionBox;
    QComboBox* unitBox;
    QList<QLabel*> corpusValues_;
    RowTableModel<PartSize>* partsModel_;
    QTableView* partGrid;
    QComboBox* partBox;
    QComboBox* thresholdBox;
    RowTableModel<PartSpecificForm>* specificFormsModel_;
    FormFilterBar* specificFormFilterBar;
    QTableView* specificFormGrid;
    QLineEdit* progressionFormsBox;
    QLabel* progressionLabel;
    QAction* progressionChartAction_ = nullptr;
    RowTableModel<ProgressionStep>* progressionModel_;
    QTableView* progressionGrid;
    QSpinBox* minFrequencyBox;
    QComboBox* horizontalFactorBox;
    QComboBox* verticalFactorBox;
    QAction* factorMapAction_ = nullptr;
    QLabel* analysisNote;
    RowTableModel<Factor>* factorsModel_;
    QTableView* factorGrid;
    QIdentityProxyModel* partPoints_;
    QTableView* partPointGrid;
    QIdentityProxyModel* formPoints_;
    QTableView* formPointGrid;
};

} // namespace quorvelle::ui
