// Cutting an occurrence's contexts at whole forms, by characters or by forms.
#include "core/reports/concordance_context.h"

#include <algorithm>

namespace quorvelle {
namespace {

// The text with each of its line ends (CR LF counted as one) as lineEndMark.
std::string withLineEndMarks(std::string_view text)
{
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t index = 0; index < text.size(); ++index) {
        const char c = text[index];
        if (c == '\r' && index + 1 < text.size() && text[index + 1] == '\n')
            continue; // the LF that follows is the mark
        shown += c == '\r' || c == '\n' ? lineEndMark : c;
    }
    return shown;
}

// Whether c belongs to a word as a reader sees one: a letter, a digit, or an apostrophe or
// hyphen, which join forms into words as "d'orthographe" or "peut-être". A context never ends
// between two of them.
bool isWordCharacter(char c, const Alphabet& alphabet)
{
    return alphabet.isLetter(c) || (c >= '0' && c <= '9') || c == '\'' || c == '\x92' || c == '-';
}

// Where the left context of an occurrence that starts at start begins.
std::size_t leftContextStart(std::string_view text, std::size_t start, ConcordanceContext context,
                             const Alphabet& alphabet)
{
    if (context.unit == ContextUnit::Forms) {
        std::size_t begin = start;
        for (std::size_t forms = 0; forms < context.amount; ++forms) {
            std::size_t position = begin;
            while (position > 0 && !alphabet.isLetter(text[position - 1]))
                --position;
            if (position == 0)
                return 0;
            while (position > 0 && alphabet.isLetter(text[position - 1]))
                --position;
            begin = position;
        }
        // The whole word of the farthest form.
        while (begin > 0 && isWordCharacter(text[begin - 1], alphabet))
            --begin;
        return begin;
    }
    std::size_t begin = start - std::min(start, context.amount);
    // Within a word: after it.
    while (begin > 0 && begin < start && isWordCharacter(text[begin - 1], alphabet)
           && isWordCharacter(text[begin], alphabet))
        ++begin;
    return begin;
}

// Where the right context of an occurrence that ends at end ends.
std::size_t rightContextEnd(std::string_view text, std::size_t end, ConcordanceContext context,
                            const Alphabet& alphabet)
{
    if (context.unit == ContextUnit::Forms) {
        std::size_t finish = end;
        for (std::size_t forms = 0; forms < context.amount; ++forms) {
            std::size_t position = finish;
            while (position < text.size() && !alphabet.isLetter(text[position]))
                ++position;
            if (position == text.size())
                return text.size();
            while (position < text.size() && alphabet.isLetter(text[position]))
                ++position;
            finish = position;
        }
        while (finish < text.size() && isWordCharacter(text[finish], alphabet))
            ++finish;
        return finish;
    }
    std::size_t finish = end + std::min(text.size() - end, context.amount);
    // Within a word: before it.
    while (finish > end && finish < text.size() && isWordCharacter(text[finish - 1], alphabet)
           && isWordCharacter(text[finish], alphabet))
        --finish;
    return finish;
}

void cutContextsOf(ConcordanceLine& occurrence, std::string_view text, ConcordanceContext context,
                   const Alphabet& alphabet)
{
    const std::size_t leftStart = leftContextStart(text, occurrence.start, context, alphabet);
    occurrence.left = withLineEndMarks(text.substr(leftStart, occurrence.start - leftStart));
    const std::size_t rightEnd = rightContextEnd(text, occurrence.end, context, alphabet);
    occurrence.right = withLineEndMarks(text.substr(occurrence.end, rightEnd - occurrence.end));
}

} // namespace

ConcordanceLine occurrenceLine(std::string_view text, std::size_t start, std::size_t end, std::int64_t line,
                               ConcordanceContext context, const Alphabet& alphabet)
{
    ConcordanceLine occurrence;
    occurrence.line = line;
    occurrence.form = withLineEndMarks(text.substr(start, end - start));
    occurrence.start = start;
    occurrence.end = end;
    cutContextsOf(occurrence, text, context, alphabet);
    return occurrence;
}

void cutContexts(std::span<ConcordanceLine> occurrences, std::string_view text, ConcordanceContext context,
                 LetterRule letters)
{
    const Alphabet& alphabet = Alphabet::of(letters);
    for (ConcordanceLine& occurrence : occurrences)
        cutContextsOf(occurrence, text, context, alphabet);
}

} // namespace quorvelle
