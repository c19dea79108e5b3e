// Matching forms against wildcards, or against ICU regular expressions.
#include "core/text/form_pattern.h"

#include "core/text/encoding.h"
#include "core/text/work_cancellation.h"

#include <unicode/regex.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <bitset>
#include <cstdint>

namespace quorvelle {
namespace {

// « word » in UTF-8, for a message.
std::string quoted(std::string_view cp1252)
{
    return "« " + cp1252ToUtf8(cp1252) + " »";
}

icu::UnicodeString toUnicode(std::string_view cp1252)
{
    icu::UnicodeString text;
    for (const char c : cp1252)
        text.append(static_cast<UChar32>(cp1252ToCodePoint(c)));
    return text;
}

// What ICU found wrong in a regular expression, in French.
std::string regexProblem(UErrorCode status)
{
    switch (status) {
    case U_REGEX_MISMATCHED_PAREN:
        return "une parenthèse n'est pas fermée, ou pas ouverte";
    case U_REGEX_MISSING_CLOSE_BRACKET:
        return "un crochet n'est pas fermé";
    case U_REGEX_BAD_ESCAPE_SEQUENCE:
        return "une séquence d'échappement (\\…) inconnue";
    case U_REGEX_BAD_INTERVAL:
    case U_REGEX_MAX_LT_MIN:
    case U_REGEX_NUMBER_TOO_BIG:
        return "une répétition {m,n} incorrecte";
    case U_REGEX_INVALID_RANGE:
        return "un intervalle de lettres à l'envers";
    case U_REGEX_PROPERTY_SYNTAX:
        return "une propriété \\p{…} inconnue";
    case U_REGEX_RULE_SYNTAX:
        return "un caractère qui n'est pas à sa place";
    default:
        return std::string("ICU la refuse (") + u_errorName(status) + ")";
    }
}

} // namespace

// A word whose wildcards stand for letters: each element matches one letter, or any run of
// letters for `*`.
class FormPattern::Wildcards {
public:
    Wildcards(std::string_view word, const Alphabet& alphabet)
    {
        for (std::size_t index = 0; index < word.size(); ++index) {
            const char c = word[index];
            if (c == '*') {
                // Two stars in a row are one.
                if (elements_.empty() || elements_.back().kind != Kind::AnyLetters)
                    elements_.push_back({Kind::AnyLetters, {}});
            } else if (c == '?') {
                elements_.push_back({Kind::AnyLetter, {}});
            } else if (c == '[') {
                index = addOneOf(word, index, alphabet);
            } else if (c == ']') {
                throw PatternError(quoted(word) + " : un crochet fermant « ] » sans crochet ouvrant.");
            } else if (alphabet.isLetter(c)) {
                Element letter{Kind::OneOf, {}};
                letter.letters.set(static_cast<unsigned char>(alphabet.toLower(c)));
                elements_.push_back(letter);
            } else {
                throw PatternError(quoted(word) + " : " + quoted(std::string_view(&c, 1))
                                   + " n'est ni une lettre ni un joker (* ? [ ]).");
            }
        }
    }

    std::string letters() const
    {
        std::string letters;
        for (const Element& element : elements_)
            if (element.kind == Kind::OneOf)
                for (std::size_t code = 0; code < element.letters.size(); ++code)
                    if (element.letters.test(code)) {
                        letters += static_cast<char>(code);
                        break;
                    }
        return letters;
    }

    bool isPlain() const
    {
        return std::ranges::all_of(elements_, [](const Element& element) {
            return element.kind == Kind::OneOf && element.letters.count() == 1;
        });
    }

    // The classic matching of wildcards: on a mismatch, the last star takes one letter more.
    bool matches(std::string_view form) const
    {
        std::size_t element = 0;
        std::size_t letter = 0;
        std::size_t starElement = elements_.size(); // none yet
        std::size_t starLetter = 0;
        while (letter < form.size()) {
            if (element < elements_.size() && elements_[element].kind == Kind::AnyLetters) {
                starElement = element++;
                starLetter = letter;
            } else if (element < elements_.size() && elements_[element].accepts(form[letter])) {
                ++element;
                ++letter;
            } else if (starElement < elements_.size()) {
                element = starElement + 1;
                letter = ++starLetter;
            } else {
                return false;
            }
        }
        while (element < elements_.size() && elements_[element].kind == Kind::AnyLetters)
            ++element;
        return element == elements_.size();
    }

private:
    enum class Kind { OneOf, AnyLetter, AnyLetters };
    struct Element {
        Kind kind;
        std::bitset<256> letters; // of OneOf, lower-cased

        bool accepts(char c) const { return kind == Kind::AnyLetter || letters.test(static_cast<unsigned char>(c)); }
    };

    // Adds the letters between the bracket at open and its closing one; returns the latter's place.
    std::size_t addOneOf(std::string_view word, std::size_t open, const Alphabet& alphabet)
    {
        Element oneOf{Kind::OneOf, {}};
        for (std::size_t index = open + 1; index < word.size(); ++index) {
            const char c = word[index];
            if (c == ']') {
                if (oneOf.letters.none())
                    throw PatternError(quoted(word) + " : des crochets « [] » sans lettre entre eux.");
                elements_.push_back(oneOf);
                return index;
            }
            if (!alphabet.isLetter(c))
                throw PatternError(quoted(word) + " : entre crochets, seulement des lettres, et non "
                                   + quoted(std::string_view(&c, 1)) + ".");
            oneOf.letters.set(static_cast<unsigned char>(alphabet.toLower(c)));
        }
        throw PatternError(quoted(word) + " : le crochet « [ » n'est pas fermé.");
    }

    std::vector<Element> elements_;
};

// An ICU regular expression, matched against the whole form without regard to case. A match
// that takes too long (a pattern that backtracks without end) is refused rather than waited for.
class FormPattern::Regex {
public:
    explicit Regex(std::string_view word)
    {
        UParseError where{};
        UErrorCode status = U_ZERO_ERROR;
        pattern_.reset(icu::RegexPattern::compile(toUnicode(word), UREGEX_CASE_INSENSITIVE, where, status));
        if (U_SUCCESS(status))
            matcher_.reset(pattern_->matcher(status));
        if (U_SUCCESS(status))
            matcher_->setTimeLimit(mostSteps, status);
        if (U_FAILURE(status))
            throw PatternError(quoted(word) + " n'est pas une expression régulière correcte : " + regexProblem(status)
                               + (where.offset >= 0 ? " (au caractère " + std::to_string(where.offset + 1) + ")" : "")
                               + ".");
    }

    bool matches(std::string_view form, const std::string& word) const
    {
        input_ = toUnicode(form);
        UErrorCode status = U_ZERO_ERROR;
        matcher_->reset(input_);
        const bool found = matcher_->matches(status);
        if (status == U_REGEX_TIME_OUT)
            throw PatternError(quoted(word) + " : cette expression régulière demande trop de calcul pour une forme.");
        return U_SUCCESS(status) && found;
    }

private:
    // ICU's steps of matching, about a millisecond each: a tenth of a second at most for one
    // form, where a sound pattern takes microseconds.
    static constexpr std::int32_t mostSteps = 100;

    std::unique_ptr<icu::RegexPattern> pattern_;
    std::unique_ptr<icu::RegexMatcher> matcher_;
    mutable icu::UnicodeString input_; // the form the matcher reads
};

FormPattern::FormPattern(std::string_view word, PatternSyntax syntax, LetterRule letters)
    : word_(word)
{
    if (syntax == PatternSyntax::Wildcards)
        wildcards_ = std::make_unique<Wildcards>(word, Alphabet::of(letters));
    else
        regex_ = std::make_unique<Regex>(word);
}

FormPattern::~FormPattern() = default;
FormPattern::FormPattern(FormPattern&&) noexcept = default;
FormPattern& FormPattern::operator=(FormPattern&&) noexcept = default;

bool FormPattern::matches(std::string_view form) const
{
    return wildcards_ ? wildcards_->matches(form) : regex_->matches(form, word_);
}

std::string FormPattern::letters() const
{
    return wildcards_ ? wildcards_->letters() : std::string();
}

bool FormPattern::isPlainForm() const
{
    return wildcards_ && wildcards_->isPlain();
}

std::vector<FormPattern> formQuery(std::string_view query, PatternSyntax syntax, LetterRule letters)
{
    // \x92 is the typographic apostrophe in code page 1252.
    const std::string_view separators = syntax == PatternSyntax::Wildcards ? " \t'\x92-" : " \t";
    std::vector<FormPattern> patterns;
    std::size_t start = 0;
    while (start < query.size()) {
        const std::size_t end = std::min(query.find_first_of(separators, start), query.size());
        if (end > start)
            patterns.emplace_back(query.substr(start, end - start), syntax, letters);
        start = end + 1;
    }
    return patterns;
}

std::vector<bool> formsMatching(const FormTable& forms, const FormPattern& pattern)
{
    std::vector<bool> matching(forms.size());
    for (FormTable::Id id = 0; id < forms.size(); ++id)
        matching[id] = pattern.matches(forms.form(id));
    return matching;
}

void forEachMatchingRun(const TokenizedText& text, std::span<const FormPattern> patterns,
                        const std::function<void(std::size_t first, std::span<const FormTable::Id> run)>& found)
{
    if (patterns.empty())
        return;
    std::vector<std::vector<bool>> matching;
    for (const FormPattern& pattern : patterns)
        matching.push_back(formsMatching(text.forms, pattern));
    // The last forms met, as many as the patterns, tried at each form.
    std::vector<FormTable::Id> recent;
    std::size_t number = 0;
    for (const FormTable::Id id : text.tokens) {
        stopIfCancelledEveryChunk(number);
        ++number;
        if (recent.size() == patterns.size())
            recent.erase(recent.begin());
        recent.push_back(id);
        if (recent.size() < patterns.size())
            continue;
        std::size_t place = 0;
        while (place < patterns.size() && matching[place][recent[place]])
            ++place;
        if (place == patterns.size())
            found(number - patterns.size(), recent);
    }
}

bool hasWildcard(std::string_view word)
{
    return word.find_first_of("*?[]") != std::string_view::npos;
}

} // namespace quorvelle
