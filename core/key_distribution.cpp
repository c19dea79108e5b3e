// One distribution scheme, three ways of finding keys in a form.
#include "core/key_distribution.h"

#include "core/collation.h"
#include "core/tokenized_text.h"

#include <algorithm>
#include <cstddef>
#include <tuple>

namespace quorvelle {
namespace {

// A key as a number: a letter's byte, or first byte × 256 + second byte for a pair.
// Every key fits, so a plain array indexed by code serves as the table of keys.
using KeyCode = std::uint16_t;
constexpr std::size_t keyCodeCount = std::size_t{1} << 16;

KeyCode codeOf(char letter)
{
    return static_cast<unsigned char>(letter);
}

KeyCode codeOf(char first, char second)
{
    return static_cast<KeyCode>(codeOf(first) << 8 | codeOf(second));
}

enum class KeyOrder {
    Alphabetical, ///< a sorted combo box: the order of the keys' texts
    Code,         ///< an unsorted combo box, filled in increasing code
};

// A distinct form in which a key occurs some number of times.
struct Holding {
    KeyCode key;
    std::int64_t occurrences;
    FormTable::Id form;
};

// The codes of the keys that occur, in the combo box's order.
template <typename KeyText>
std::vector<KeyCode> orderedKeys(const std::vector<Holding>& holdings, KeyText keyText, KeyOrder order)
{
    std::vector<bool> occurs(keyCodeCount, false);
    for (const Holding& holding : holdings)
        occurs[holding.key] = true;
    std::vector<KeyCode> keys;
    for (std::size_t code = 0; code < keyCodeCount; ++code)
        if (occurs[code])
            keys.push_back(static_cast<KeyCode>(code));
    if (order == KeyOrder::Code)
        return keys;

    std::vector<std::string> texts;
    texts.reserve(keys.size());
    for (const KeyCode key : keys)
        texts.push_back(keyText(key));
    const std::vector<std::size_t> permutation = FrenchCollator::instance().order({texts.begin(), texts.end()});
    std::vector<KeyCode> sorted;
    sorted.reserve(keys.size());
    for (const std::size_t index : permutation)
        sorted.push_back(keys[index]);
    return sorted;
}

// forEachKey(form, visit) calls visit(code) at every occurrence of a key in a lower-cased
// form; keyText(code) is the key as the combo box shows it.
//
// The rows are built from the distinct forms, each weighed by its attestations, which
// gives the same numbers as reading every occurrence of the text. Each distinct form is
// read once, in alphabetical order, so that every row's forms come out alphabetical.
template <typename ForEachKey, typename KeyText>
KeyDistribution distributeKeys(const TokenizedText& text, ForEachKey forEachKey, KeyText keyText, KeyOrder order)
{
    std::vector<std::int64_t> counts(keyCodeCount, 0); // per form, cleared through `touched`
    std::vector<KeyCode> touched;
    std::vector<Holding> holdings;
    for (const FormTable::Id id : text.alphabetical) {
        forEachKey(std::string_view(text.forms.form(id)), [&](KeyCode code) {
            if (counts[code]++ == 0)
                touched.push_back(code);
        });
        for (const KeyCode code : touched) {
            holdings.push_back({code, counts[code], id});
            counts[code] = 0;
        }
        touched.clear();
    }

    const std::vector<KeyCode> keys = orderedKeys(holdings, keyText, order);
    std::vector<std::size_t> place(keyCodeCount);
    for (std::size_t index = 0; index < keys.size(); ++index)
        place[keys[index]] = index;
    // Stable, so that the forms of each (key, occurrences) stay alphabetical.
    std::stable_sort(holdings.begin(), holdings.end(), [&](const Holding& left, const Holding& right) {
        return std::tie(place[left.key], left.occurrences) < std::tie(place[right.key], right.occurrences);
    });

    KeyDistribution distribution;
    distribution.keys.reserve(keys.size());
    for (std::size_t index = 0; index < holdings.size(); ++index) {
        const Holding& holding = holdings[index];
        if (index == 0 || holdings[index - 1].key != holding.key)
            distribution.keys.push_back({keyText(holding.key), {}});
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
    return letterReport(tokenize(text));
}

LetterReport letterReport(const TokenizedText& text)
{
    const auto forEachLetter = [](std::string_view form, auto visit) {
        for (const char letter : form)
            visit(codeOf(letter));
    };
    const auto letterText = [](KeyCode code) { return std::string(1, static_cast<char>(code)); };
    return {distributeKeys(text, forEachLetter, letterText, KeyOrder::Alphabetical)};
}

DoubledLetterReport doubledLetterReport(std::string_view text)
{
    return doubledLetterReport(tokenize(text));
}

DoubledLetterReport doubledLetterReport(const TokenizedText& text)
{
    const auto forEachDoubling = [](std::string_view form, auto visit) {
        for (std::size_t second = 1; second < form.size(); ++second)
            if (form[second - 1] == form[second])
                visit(codeOf(form[second]));
    };
    const auto doubledText = [](KeyCode code) { return std::string(2, static_cast<char>(code)); };
    return {distributeKeys(text, forEachDoubling, doubledText, KeyOrder::Code)};
}

LetterPairReport letterPairReport(std::string_view text)
{
    return letterPairReport(tokenize(text));
}

LetterPairReport letterPairReport(const TokenizedText& text)
{
    const auto forEachPair = [](std::string_view form, auto visit) {
        for (std::size_t second = 1; second < form.size(); ++second)
            visit(codeOf(form[second - 1], form[second]));
    };
    const auto pairText = [](KeyCode code) {
        return std::string{static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
    };
    return {distributeKeys(text, forEachPair, pairText, KeyOrder::Alphabetical)};
}

} // namespace quorvelle
