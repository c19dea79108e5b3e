// Counting the lemmas of a lemmatized text by form and category.
#include "core/lemmas/lemma_report.h"

#include "core/reports/rounding.h"
#include "core/text/collation.h"
#include "core/text/work_cancellation.h"

#include <algorithm>
#include <cstddef>
#include <unordered_map>
#include <utility>

namespace quorvelle {

namespace {

// By attestations, then in alphabetical order. The forms the dictionary does not know are tens
// of thousands in a large text, each comparison a collation: the sort checks between them.
void sortByCount(std::vector<FormCount>& forms)
{
    const FrenchCollator& collator = FrenchCollator::instance();
    CancellationCountdown countdown;
    std::ranges::sort(forms, [&](const FormCount& left, const FormCount& right) {
        countdown.countItem();
        if (left.count != right.count)
            return left.count > right.count;
        return collator.compare(left.form, right.form) < 0;
    });
}

} // namespace

LemmaReport lemmaReport(const TokenizedText& tokens, const LemmatizedText& lemmatized)
{
    const std::size_t lemmaCount = lemmatized.lemmas().size();
    std::vector<std::int64_t> counts(lemmaCount, 0);
    std::vector<std::int64_t> ambiguous(lemmaCount, 0);
    // (lemma, form) → attestations; a word written across an apostrophe is numbered after the
    // text's forms.
    std::unordered_map<std::uint64_t, std::int64_t> formCounts;
    std::vector<std::string> joinedForms;
    std::unordered_map<std::string, std::uint64_t> joinedNumbers;
    const std::uint64_t distinct = tokens.forms.size();

    std::int64_t words = 0;
    std::vector<FormTable::Id> forms;
    forms.reserve(tokens.tokens.size());
    CancellationCountdown countdown;
    for (const FormTable::Id id : tokens.tokens) {
        countdown.countItem();
        forms.push_back(id);
    }
    for (std::size_t occurrence = 0; occurrence < forms.size(); ++occurrence) {
        stopIfCancelledEveryChunk(occurrence);
        if (lemmatized.isJoined(occurrence))
            continue;
        ++words;
        const LemmatizedText::Id lemma = lemmatized.lemmaAt(occurrence);
        ++counts[lemma];
        if (lemmatized.isAmbiguous(occurrence))
            ++ambiguous[lemma];
        std::uint64_t form = forms[occurrence];
        if (occurrence + 1 < forms.size() && lemmatized.isJoined(occurrence + 1)) {
            std::string written = tokens.forms.form(forms[occurrence]);
            written.append("'").append(tokens.forms.form(forms[occurrence + 1]));
            const auto [found, added] = joinedNumbers.try_emplace(written, distinct + joinedForms.size());
            if (added)
                joinedForms.push_back(std::move(written));
            form = found->second;
        }
        ++formCounts[(std::uint64_t{lemma} << 32) | form];
    }

    LemmaReport report;
    report.wordCount = words;
    report.lemmas.resize(lemmaCount);
    for (std::size_t number = 0; number < lemmaCount; ++number) {
        stopIfCancelledEveryChunk(number);
        LemmaRow& row = report.lemmas[number];
        row.number = static_cast<LemmatizedText::Id>(number);
        row.lemma = lemmatized.lemmas()[number].lemma;
        row.category = lemmatized.lemmas()[number].category;
        row.count = counts[number];
        row.ambiguous = ambiguous[number];
        row.alternatives = lemmatized.alternatives()[number];
        for (const Lemma& other : row.alternatives) {
            if (!row.otherReadings.empty())
                row.otherReadings.append(", ");
            row.otherReadings.append(other.lemma).append(" (").append(categoryName(other.category)).append(")");
        }
    }
    for (const auto& [key, count] : formCounts) {
        countdown.countItem();
        const std::uint64_t form = key & 0xFFFFFFFFu;
        report.lemmas[key >> 32].forms.push_back(
            {form < distinct ? tokens.forms.form(static_cast<FormTable::Id>(form)) : joinedForms[form - distinct],
             count});
    }

    for (const WordCategory category : allWordCategories)
        report.categories.push_back({.category = category});
    for (LemmaRow& row : report.lemmas) {
        sortByCount(row.forms);
        row.formCount = static_cast<std::int64_t>(row.forms.size());
        CategoryRow& category = report.categories[static_cast<std::size_t>(row.category)];
        category.count += row.count;
        ++category.distinct;
        if (row.category == WordCategory::Unknown)
            report.unknown.insert(report.unknown.end(), row.forms.begin(), row.forms.end());
    }
    for (CategoryRow& category : report.categories)
        category.share =
            roundHalfEven(percentage(static_cast<double>(category.count), static_cast<double>(words)).value_or(0), 2);
    sortByCount(report.unknown);

    const std::vector<std::size_t> alphabetical = alphabeticalLemmaOrder(report);
    std::vector<std::size_t> place(lemmaCount);
    for (std::size_t rank = 0; rank < alphabetical.size(); ++rank)
        place[alphabetical[rank]] = rank;
    std::vector<std::size_t> order(lemmaCount);
    for (std::size_t number = 0; number < lemmaCount; ++number)
        order[number] = number;
    std::ranges::sort(order, [&](std::size_t left, std::size_t right) {
        const LemmaRow& a = report.lemmas[left];
        const LemmaRow& b = report.lemmas[right];
        if (a.count != b.count)
            return a.count > b.count;
        return place[left] < place[right];
    });
    std::vector<LemmaRow> sorted;
    sorted.reserve(lemmaCount);
    for (const std::size_t number : order)
        sorted.push_back(std::move(report.lemmas[number]));
    report.lemmas = std::move(sorted);
    return report;
}

std::vector<std::size_t> alphabeticalLemmaOrder(const LemmaReport& report)
{
    std::vector<std::string_view> lemmas;
    lemmas.reserve(report.lemmas.size());
    for (const LemmaRow& row : report.lemmas)
        lemmas.push_back(row.lemma);
    std::vector<std::size_t> order = FrenchCollator::instance().order(lemmas);
    // The same lemma in two categories ranks once, then goes in the categories' order.
    std::vector<std::size_t> rank(order.size());
    for (std::size_t position = 0; position < order.size(); ++position) {
        const bool sameAsPrevious = position > 0 && lemmas[order[position]] == lemmas[order[position - 1]];
        rank[order[position]] = sameAsPrevious ? rank[order[position - 1]] : position;
    }
    std::ranges::sort(order, {}, [&](std::size_t row) { return std::pair(rank[row], report.lemmas[row].category); });
    return order;
}

std::vector<LemmatizedText::Id> lemmasWritten(const LemmatizedText& lemmatized, std::string_view lemma)
{
    std::vector<LemmatizedText::Id> numbers;
    for (std::size_t number = 0; number < lemmatized.lemmas().size(); ++number)
        if (lemmatized.lemmas()[number].lemma == lemma)
            numbers.push_back(static_cast<LemmatizedText::Id>(number));
    return numbers;
}

std::vector<bool> occurrencesOf(const LemmatizedText& lemmatized, std::span<const LemmatizedText::Id> lemmas)
{
    std::vector<bool> wanted(lemmatized.lemmas().size(), false);
    for (const LemmatizedText::Id lemma : lemmas)
        wanted[lemma] = true;
    std::vector<bool> found(lemmatized.occurrenceCount(), false);
    for (std::size_t occurrence = 0; occurrence < found.size(); ++occurrence)
        found[occurrence] = wanted[lemmatized.lemmaAt(occurrence)];
    return found;
}

Concordance lemmaConcordance(std::string_view text, const TokenizedText& tokens, const LemmatizedText& lemmatized,
                             std::span<const LemmatizedText::Id> lemmas, ConcordanceContext context)
{
    const std::vector<bool> found = occurrencesOf(lemmatized, lemmas);
    std::vector<FormRun> runs;
    for (std::size_t occurrence = 0; occurrence < found.size(); ++occurrence) {
        if (!found[occurrence])
            continue;
        if (lemmatized.isJoined(occurrence) && !runs.empty() && runs.back().first + runs.back().count == occurrence)
            ++runs.back().count;
        else
            runs.push_back({occurrence, 1});
    }
    Concordance result = concordanceOfRuns(text, runs, context, tokens.letters);
    if (lemmas.empty())
        return result;
    const Lemma& first = lemmatized.lemmas()[lemmas.front()];
    result.form = first.lemma;
    result.written = first.lemma;
    result.lemma = first.lemma;
    if (lemmas.size() == 1)
        result.lemma.append(" (").append(categoryName(first.category)).append(")");
    return result;
}

} // namespace quorvelle
