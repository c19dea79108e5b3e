// libFuzzer target: arbitrary bytes cut into a corpus at their marker lines, then every
// analysis of its parts and their lemmas, with the invariants they must keep whatever the input.
#include "core/corpus/corpus.h"
#include "core/corpus/corpus_reports.h"
#include "core/corpus/correspondence_analysis.h"
#include "core/statistics/corpus_statistic.h"
#include "core/text/segmentation.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void checkPoints(const std::vector<quorvelle::FactorPoint>& points, std::size_t factors)
{
    for (std::size_t factor = 0; factor < factors; ++factor) {
        double contributions = 0;
        for (const quorvelle::FactorPoint& point : points) {
            require(std::isfinite(point.coordinates[factor]));
            require(point.cos2[factor] >= 0 && point.cos2[factor] <= 1 + 1e-9);
            contributions += point.contributions[factor];
        }
        require(std::abs(contributions - 1) < 1e-6);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quorvelle;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const Corpus corpus = markedCorpus(bytes);
    std::size_t previousEnd = 0;
    for (const CorpusPart& part : corpus.parts) {
        require(previousEnd <= part.begin && part.begin <= part.end && part.end <= corpus.text.size());
        require(countForms(corpus.partText(part)) > 0);
        previousEnd = part.end;
    }
    const LexicalTable table = lexicalTable(corpus, partition(corpus));
    // The parts hold every form of the corpus's text: what lies outside them has none.
    require(table.tokens == countForms(corpus.text));
    for (std::size_t column = 0; column < table.columns.size(); ++column)
        for (const PartSpecificForm& form : partSpecificities(table, column).forms)
            require(std::isfinite(form.specificity) && form.f <= form.F);
    // The lemmas of the parts: a word once, even written across an apostrophe, in every part.
    const LexicalTable lemmas =
        CorpusStatistic::table(corpus, partition(corpus), LetterRule::Classic, CountingUnit::Lemmas);
    require(lemmas.ofLemmas && lemmas.tokens <= table.tokens && lemmas.columns.size() == table.columns.size());
    const CorrespondenceAnalysis analysis = correspondenceAnalysis(table, 1);
    double shares = 0;
    for (const Factor& factor : analysis.factors) {
        require(factor.eigenvalue > 0 && factor.eigenvalue <= 1 + 1e-9);
        shares += factor.share;
    }
    require(analysis.factors.empty() || std::abs(shares - 1) < 1e-9);
    checkPoints(analysis.parts, analysis.pointFactorCount());
    checkPoints(analysis.forms, analysis.pointFactorCount());
    return 0;
}
