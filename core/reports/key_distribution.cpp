// One distribution scheme, three ways of finding keys in a form.
#include "core/reports/key_distribution.h"

#include "core/text/collation.h"
#include "core/text/tokenized_text.h"

#include <algorithm>
#include <cstddef>
#include <numeric>

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
    Alphabetical, ///< French alphabetical order of the keys' texts
    Code,         ///< increasing key code
};

// What each statistic counts. Keys::forEachKey(form, visit) calls visit(code) at every
// occurrence of a key in a lower-cased form, with codes below Keys::codeCount;
// Keys::text(code) is the key's letters; Keys::order is the order the keys are listed in.
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

// The numbers of the keys in the order they are listed in (Keys::order).
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

// The rows are built from the distinct forms, each weighed by its attestations, which gives
// the same numbers as reading every occurrence of the text. The distinct forms are read
// twice, in alphabetical order: once to count the forms of every row, once to fill the rows,
// so that every row's forms come out alphabetical and each row's list is made once at its
// size, without a list of every (key, form) to sort.
template <typename Keys>
KeyDistribution distributeKeys(const TokenizedText& text)
{
    KeyTable keys(Keys::codeCount);
    std::vector<std::int64_t> counts; // per key number, for the current form
    std::vector<KeyTable::Number> touched;
    // Calls hold(key number, occurrences) for every key that occurs in the form.
    const auto forEachKeyOf = [&](FormTable::Id id, auto hold) {
        Keys::forEachKey(std::string_view(text.forms.form(id)), [&](KeyCode code) {
            const KeyTable::Number number = keys.number(code);
            if (number == counts.size())
                counts.push_back(0);
            if (counts[number]++ == 0)
                touched.push_back(number);
        });
        for (const KeyTable::Number number : touched) {
            hold(number, static_cast<std::size_t>(counts[number]));
            counts[number] = 0;
        }
        touched.clear();
    };

    // formsOfRow[key][occurrences]: the distinct forms in which the key occurs that many times.
    std::vector<std::vector<std::size_t>> formsOfRow;
    for (const FormTable::Id id : text.alphabetical)
        forEachKeyOf(id, [&](KeyTable::Number key, std::size_t occurrences) {
            if (key == formsOfRow.size())
                formsOfRow.emplace_back();
            std::vector<std::size_t>& forms = formsOfRow[key];
            if (occurrences >= forms.size())
                forms.resize(occurrences + 1, 0);
            ++forms[occurrences];
        });

    // The keys in the order they are listed in, each with its rows in increasing occurrences, and
    // where each (key, occurrences) row went.
    const std::vector<KeyTable::Number> combo = comboOrder<Keys>(keys);
    KeyDistribution distribution;
    distribution.keys.reserve(combo.size());
    std::vector<std::vector<OccurrenceRow*>> rowOf(combo.size());
    for (const KeyTable::Number key : combo) {
        KeyRows& keyRows = distribution.keys.emplace_back(KeyRows{Keys::text(keys.codes()[key]), {}});
        const std::vector<std::size_t>& forms = formsOfRow[key];
        keyRows.rows.reserve(
            static_cast<std::size_t>(std::ranges::count_if(forms, [](std::size_t n) { return n > 0; })));
        rowOf[key].resize(forms.size(), nullptr);
        for (std::size_t occurrences = 1; occurrences < forms.size(); ++occurrences) {
            if (forms[occurrences] == 0)
                continue;
            OccurrenceRow& row = keyRows.rows.emplace_back();
            row.occurrences = static_cast<std::int64_t>(occurrences);
            row.forms.reserve(forms[occurrences]);
            rowOf[key][occurrences] = &row;
        }
    }

    for (const FormTable::Id id : text.alphabetical) {
        const std::int64_t attestations = text.forms.count(id);
        forEachKeyOf(id, [&](KeyTable::Number key, std::size_t occurrences) {
            OccurrenceRow& row = *rowOf[key][occurrences];
            row.formCount += attestations;
            row.forms.push_back({text.forms.form(id), attestations});
        });
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
