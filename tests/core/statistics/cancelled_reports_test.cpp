// Every computation the desktop program may give up stops at its first check once its work is
// given up, whatever the size of its text: none runs to its end unchecked.
#include "core/corpus/corpus.h"
#include "core/corpus/lexical_table.h"
#include "core/lemmas/lemma_report.h"
#include "core/lemmas/lemma_tokens.h"
#include "core/reports/collocate_report.h"
#include "core/reports/concordance.h"
#include "core/reports/cooccurrence_report.h"
#include "core/reports/dispersion_report.h"
#include "core/reports/repeated_segments.h"
#include "core/reports/richness_report.h"
#include "core/reports/sentence_report.h"
#include "core/statistics/corpus_statistic.h"
#include "core/test_texts.h"
#include "core/text/analysed_text.h"
#include "core/text/work_cancellation.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace quorvelle {
namespace {

// What the computations start from, made before any work is given up, as the desktop program
// analyses a text before it computes its reports.
struct Inputs {
    std::shared_ptr<const std::string> text = std::make_shared<const std::string>(
        test::repeated(test::cp1252("**** *partie_une\nLe chat de la voisine dort. Il a mangé !\n"
                                    "**** *partie_deux\nLe chien de la voisine aboie ; le chat s'enfuit.\n"),
                       20));
    SharedText analysed = analyseText(text);
    const TokenizedText& tokens = analysed->tokens();
    LemmatizedText lemmatized = lemmatize(*text, tokens, *sharedFrenchDictionary());
    Corpus corpus = markedCorpus(*text);
};

const Inputs& inputs()
{
    static const Inputs made;
    return made;
}

struct GivenUpWork {
    const char* name;
    std::function<void(const Inputs&)> compute;
};

const GivenUpWork works[] = {
    {"analysis", [](const Inputs& in) { analyseText(in.text); }},
    {"cooccurrences", [](const Inputs& in) { cooccurrenceReport(in.tokens); }},
    {"segments", [](const Inputs& in) { repeatedSegments(*in.text, in.tokens); }},
    {"sentences", [](const Inputs& in) { sentenceReport(*in.text); }},
    {"richness", [](const Inputs& in) { richnessReport(in.tokens); }},
    {"collocates", [](const Inputs& in) { searchCollocates(*in.text, in.tokens, TextQuery{"chat"}); }},
    {"collocatesOfPattern", [](const Inputs& in) { searchCollocates(*in.text, in.tokens, TextQuery{"ch*"}); }},
    {"concordance",
     [](const Inputs& in) { searchConcordance(*in.text, in.tokens, "chat", PatternSyntax::Wildcards, {}); }},
    {"concordanceOfPatterns",
     [](const Inputs& in) { searchConcordance(*in.text, in.tokens, "la v*", PatternSyntax::Wildcards, {}); }},
    {"dispersion", [](const Inputs& in) { searchDispersion(in.tokens, TextQuery{"de la"}); }},
    {"lemmatization", [](const Inputs& in) { lemmatize(*in.text, in.tokens, *sharedFrenchDictionary()); }},
    {"lemmaReport", [](const Inputs& in) { lemmaReport(in.tokens, in.lemmatized); }},
    {"lemmaTokens", [](const Inputs& in) { lemmaTokens(in.tokens, in.lemmatized); }},
    {"corpusTable",
     [](const Inputs& in) {
         CorpusStatistic::table(in.corpus, partition(in.corpus), LetterRule::Classic, CountingUnit::Forms);
     }},
    {"corpusTableOfLemmas",
     [](const Inputs& in) {
         CorpusStatistic::table(in.corpus, partition(in.corpus), LetterRule::Classic, CountingUnit::Lemmas);
     }},
};

class GivenUp : public testing::TestWithParam<GivenUpWork> { };

TEST_P(GivenUp, StopsAtItsFirstCheck)
{
    const Inputs& in = inputs();
    const CancellationScope givenUp([] { return true; });
    EXPECT_THROW(GetParam().compute(in), WorkCancelled);
}

INSTANTIATE_TEST_SUITE_P(Reports, GivenUp, testing::ValuesIn(works),
                         [](const testing::TestParamInfo<GivenUpWork>& info) { return std::string(info.param.name); });

} // namespace
} // namespace quorvelle
