// The analyses of a corpus of parts: the tables of its parts, of a part's specific forms, of a
// form's progression and of the factors of its correspondence analysis.
#pragma once

#include "core/catalogue/row_figure.h"
#include "core/catalogue/statistic_register.h"
#include "core/catalogue/table_columns.h"
#include "core/corpus/corpus_reports.h"
#include "core/corpus/correspondence_analysis.h"
#include "core/explanations/corpus_explanations.h"
#include "core/lemmas/french_dictionary.h"
#include "core/lemmas/lemma_tokens.h"
#include "core/reports/rounding.h"
#include "core/statistics/score_cells.h"

#include <array>

namespace quorvelle {

/// A share from 0 to 1 as a percentage to two decimals.
inline Cell shownPercentage(std::optional<double> share)
{
    return share ? Cell(roundHalfEven(*share * 100, 2)) : Cell(std::string_view());
}

struct CorpusStatistic {
    static constexpr const CorpusCommandInfo& info = registered::corpus;

    /// The lexical table of the groups of parts, counting their forms or their lemmas; the
    /// lemmas need the French dictionary (else DictionaryError), and each part is lemmatized on
    /// its own, as a text of its own.
    static LexicalTable table(const Corpus& corpus, const std::vector<PartGroup>& groups, LetterRule letters,
                              CountingUnit unit)
    {
        if (unit == CountingUnit::Forms)
            return lexicalTable(corpus, groups, letters);
        const FrenchDictionary& dictionary = *sharedFrenchDictionary();
        LexicalTable lemmas = lexicalTable(corpus, groups, [&dictionary, letters](std::string_view text) {
            return lemmaTokens(text, tokenize(text, Occurrences::Kept, letters), dictionary);
        });
        lemmas.ofLemmas = true;
        return lemmas;
    }

    static constexpr std::array partColumns = {
        memberColumn<&PartSize::name>("Partie"),
        memberColumn<&PartSize::tokens>("Formes (N)"),
        memberColumn<&PartSize::distinct>("Formes distinctes (V)"),
        memberColumn<&PartSize::hapax>("Hapax"),
        Column<PartSize>{"Part du corpus (%)", CellKind::Number,
                         [](const PartSize& part, std::size_t) { return shownPercentage(part.share); }},
    };
    static constexpr TableColumns<PartSize> partTable{"Les parties", partColumns};

    static constexpr std::array specificFormColumns = {
        memberColumn<&PartSpecificForm::form>("Forme"),
        memberColumn<&PartSpecificForm::f>("f (partie)"),
        memberColumn<&PartSpecificForm::F>("F (corpus)"),
        Column<PartSpecificForm>{"Attendu", CellKind::Number,
                                 [](const PartSpecificForm& form, std::size_t) { return shownScore(form.expected); }},
        Column<PartSpecificForm>{"Spécificité", CellKind::Number, [](const PartSpecificForm& form, std::size_t) {
                                     return shownScore(form.specificity);
                                 }},
    };
    static constexpr TableColumns<PartSpecificForm> specificFormTable{"Spécificités de la partie",
                                                                      specificFormColumns};
    /// Each form's specificity in its part.
    static constexpr std::array specificFormFigures = {
        RowFigure<PartSpecificities, PartSpecificForm>{4, explainPartSpecificity},
    };

    static constexpr std::array factorColumns = {
        Column<Factor>{"Facteur", CellKind::Count,
                       [](const Factor&, std::size_t place) -> Cell { return static_cast<std::int64_t>(place + 1); }},
        Column<Factor>{"Valeur propre", CellKind::Number,
                       [](const Factor& factor, std::size_t) -> Cell { return roundHalfEven(factor.eigenvalue, 6); }},
        Column<Factor>{"Part de l'inertie (%)", CellKind::Number,
                       [](const Factor& factor, std::size_t) { return shownPercentage(factor.share); }},
        Column<Factor>{"Part cumulée (%)", CellKind::Number,
                       [](const Factor& factor, std::size_t) { return shownPercentage(factor.cumulativeShare); }},
    };
    static constexpr TableColumns<Factor> factorTable{"Analyse factorielle des correspondances : valeurs propres",
                                                      factorColumns};
    /// Each factor's share of the inertia.
    static constexpr std::array factorFigures = {
        RowFigure<CorrespondenceAnalysis, Factor>{
            2, [](const CorrespondenceAnalysis& analysis, const Factor& factor, const ExplanationNumbers& numbers) {
                return explainInertiaShare(analysis, static_cast<std::size_t>(&factor - analysis.factors.data()),
                                           numbers);
            }},
    };
};

struct ProgressionStatistic {
    static constexpr const CorpusCommandInfo& info = registered::progression;

    static constexpr std::array columns = {
        memberColumn<&ProgressionStep::form>("Forme"),
        memberColumn<&ProgressionStep::part>("Partie"),
        memberColumn<&ProgressionStep::count>("Attestations"),
        memberColumn<&ProgressionStep::tokens>("Formes de la partie"),
        Column<ProgressionStep>{"Fréquence (pour 10 000)", CellKind::Number,
                                [](const ProgressionStep& step, std::size_t) { return shownScore(step.per10000); }},
        Column<ProgressionStep>{"Spécificité", CellKind::Number,
                                [](const ProgressionStep& step, std::size_t) { return shownScore(step.specificity); }},
    };
    static constexpr TableColumns<ProgressionStep> table{info.title, columns};
};

} // namespace quorvelle
