// One distribution scheme, three ways of finding keys in a form.
#include "core/reports/key_distribution.h"

#include "core/text/collation.h"
#include "core/text/tokenized_text.h"

#include <algorithm>
#include <cstddef>
#include <numeric>
#include <tuple>

namespace quorvelle {
namespace {

// A key as a number: a letter's byte, or first byte × 256 + second byte for a pair.
using KeyCode = std::uint16_t;
constexpr std::size_t letterCodeCount = std::size_t{1} << 8;
constexpr std::size_t pairCodeCount = std::size_t{1} << 16;

KeyCode codeOf(char letter)
{
    return static_cast<unsigned char>(letter);
}

KeyCode codeOf(char first, char second)
{
    return static_cast<KeyCode>(codeOf(first) << 8 | codeOf(second));
}

// The keys met so far, numbered from 0 in the order they are first met. The table indexed
// by code finds a key's number in one step, so per-key data is sized to the keys the
// text holds rather than to every possible code.
class KeyTable {
public:
    using Number = std::uint32_t;

    explicit KeyTable(std::size_t codeCount)
        : numbers_(codeCount, unnumbered)
    {
    }

    Number number(KeyCode code)
    {
        Number& number = numbers_[code];
        if (number == unnumbered) {
            number = static_cast<Number>(codes_.size());
            codes_.push_back(code);
        }
        return number;
    }

    const std::vector<KeyCode>& codes() const { return codes_; } ///< by number

private:
    static constexpr Number unnumbered = ~Number{0};
    std::vector<Number> numbers_;
    std::vector<KeyCode> codes_;
};

enum class KeyOrder {
    Alphabetical, ///< a sorted combo box: the order of the keys' texts
    Code,         ///< an unsorted combo box, filled in increasing code
};

// What each statistic counts. Keys::forEachKey(form, visit) calls visit(code) at every
// occurrence of a key in a lower-cased form, with codes below Keys::codeCount;
// Keys::text(code) is the key as the combo box shows it; Keys::order is the combo's order.
struct Letters {
    static constexpr std::size_t codeCount = letterCodeCount;
    static constexpr KeyOrder order = KeyOrder::Alphabetical;

    static void forEachKey(std::string_view form, auto visit)
    {
        for (const char letter : form)
            visit(codeOf(letter));
    }
    static std::string text(KeyCode code) { return std::string(1, static_cast<char>(code)); }
};

struct DoubledLetters {
    static constexpr std::size_t codeCount = letterCodeCount;
    static constexpr KeyOrder order = KeyOrder::Code;

    static void forEachKey(std::string_view form, auto visit)
    {
        for (std::size_t second = 1; second < form.size(); ++second)
            if (form[second - 1] == form[second])
                visit(codeOf(form[second]));
    }
    static std::string text(KeyCode code) { return std::string(2, static_cast<char>(code)); }
};

struct LetterPairs {
    static constexpr std::size_t codeCount = pairCodeCount;
    static constexpr KeyOrder order = KeyOrder::Alphabetical;

    static void forEachKey(std::string_view form, auto visit)
    {
        for (std::size_t second = 1; second < form.size(); ++second)
            visit(codeOf(form[second - 1], form[second]));
    }
    static std::string text(KeyCode code) { return {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)}; }
};

// The numbers of the keys in the combo box's order.
template <typename Keys>
std::vector<KeyTable::Number> comboOrder(const KeyTable& keys)
{
    const std::vector<KeyCode>& codes = keys.codes();
    std::vector<KeyTable::Number> numbers(codes.size());
    if constexpr (Keys::order == KeyOrder::Code) {
        std::iota(numbers.begin(), numbers.end(), KeyTable::Number{0});
        std::sort(numbers.begin(), numbers.end(), [&](auto left, auto right) { return codes[left] < codes[right]; });
        return numbers;
    }
    std::vector<std::string> texts;
    texts.reserve(codes.size());
    for (const KeyCode code : codes)
        texts.push_back(Keys::text(code));
    const std::vector<std::size_t> permutation = FrenchCollator::instance().order({texts.begin(), texts.end()});
    std::transform(permutation.begin(), permutation.end(), numbers.begin(),
                   [](std::size_t index) { return static_cast<KeyTable::Number>(index); });
    return numbers;
}

// A distinct form in which a key occurs some number of times.
struct Holding {
    std::int64_t occurrences;
    KeyTable::Number key;
    FormTable::Id form;
};

// The rows are built from the distinct forms, each weighed by its attestations, which
// gives the same numbers as reading every occurrence of the text. Each distinct form is
// read once, in alphabetical order, so that every row's forms come out alphabetical.
template <typename Keys>
KeyDistribution distributeKeys(const TokenizedText& text)
{
    KeyTable keys(Keys::codeCount);
    std::vector<std::int64_t> counts; // per key number, for the current form
    std::vector<KeyTable::Number> touched;
    std::vector<Holding> holdings;
    for (const FormTable::Id id : text.alphabetical) {
        Keys::forEachKey(std::string_view(text.forms.form(id)), [&](KeyCode code) {
            const KeyTable::Number number = keys.number(code);
            if (number == counts.size())
                counts.push_back(0);
            if (counts[number]++ == 0)
                touched.push_back(number);
        });
        for (const KeyTable::Number number : touched) {
            holdings.push_back({counts[number], number, id});
            counts[number] = 0;
        }
        touched.clear();
    }

    const std::vector<KeyTable::Number> combo = comboOrder<Keys>(keys);
    std::vector<std::size_t> place(combo.size());
    for (std::size_t index = 0; index < combo.size(); ++index)
        place[combo[index]] = index;
    // Stable, so that the forms of each (key, occurrences) stay alphabetical.
    std::stable_sort(holdings.begin(), holdings.end(), [&](const Holding& left, const Holding& right) {
        return std::tie(place[left.key], left.occurrences) < std::tie(place[right.key], right.occurrences);
    });

    KeyDistribution distribution;
    distribution.keys.reserve(combo.size());
    for (std::size_t index = 0; index < holdings.size(); ++index) {
        const Holding& holding = holdings[index];
        if (index == 0 || holdings[index - 1].key != holding.key)
            distribution.keys.push_back({Keys::text(keys.codes()[holding.key]), {}});
        std::vector<OccurrenceRow>& rows = distribution.keys.back().rows;
        if (rows.empty() || rows.back().occurrences != holding.occurrences)
            rows.emplace_back().occurrences = holding.occurrences;
        const std::int64_t attestations = text.forms.count(holding.form);
        rows.back().formCount += attestations;
        rows.back().forms.push_back({text.forms.form(holding.form), attestations});
    }
    return distribution;
}

} // namespace

LetterReport letterReport(std::string_view text)
{
    return letterReport(tokenize(text, Occurrences::Counted));
}

LetterReport letterReport(const TokenizedText& text)
{
    return {distributeKeys<Letters>(text)};
}

DoubledLetterReport doubledLetterReport(std::string_view text)
{
    return doubledLetterReport(tokenize(text, Occurrences::Counted));
}

DoubledLetterReport doubledLetterReport(const TokenizedText& text)
{
    return {distributeKeys<DoubledLetters>(text)};
}

LetterPairReport letterPairReport(std::string_view text)
{
    return letterPairReport(tokenize(text, Occurrences::Counted));
}

LetterPairReport letterPairReport(const TokenizedText& text)
{
    return {distributeKeys<LetterPairs>(text)};
}

} // namespace quorvelle
