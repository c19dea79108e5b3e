// Tokenizing a text: one hash probe per occurrence, one sort key per distinct form.
#include "core/text/tokenized_text.h"

#include "core/text/segmentation.h"

namespace quorvelle {
namespace {

// Some 400 KB of French text between two reports of progress.
constexpr int formsBetweenReports = 1 << 16;

// forEachForm, telling progress how far it has gone every formsBetweenReports forms, and at
// the end. Without progress, forEachForm itself, whose loop is the hot one of every statistic.
template <class Visitor>
void forEachFormTold(std::string_view text, const Alphabet& alphabet, const WorkProgress& progress, Visitor visit)
{
    if (!progress) {
        forEachForm(text, alphabet, visit);
        return;
    }
    int untilReport = formsBetweenReports;
    forEachForm(text, alphabet, [&](std::string_view form) {
        visit(form);
        if (--untilReport == 0) {
            untilReport = formsBetweenReports;
            progress(static_cast<std::size_t>(form.data() + form.size() - text.data()), text.size());
        }
    });
    progress(text.size(), text.size());
}

} // namespace

TokenizedText tokenize(std::string_view text, Occurrences occurrences, LetterRule letters, const WorkProgress& progress)
{
    const Alphabet& alphabet = Alphabet::of(letters);
    TokenizedText tokenized;
    tokenized.letters = letters;
    if (occurrences == Occurrences::Kept) {
        // A form takes at least one letter and the separator after it, and its number one unit
        // but for the rarest forms of the largest texts. Reserving that bound touches only the
        // pages the numbers fill, and spares the copies of a growing buffer.
        tokenized.tokens.reserve(text.size() / 2 + 1);
        forEachFormTold(text, alphabet, progress, [&](std::string_view form) {
            tokenized.tokens.push_back(tokenized.forms.addLowerCased(form, alphabet));
        });
    } else {
        forEachFormTold(text, alphabet, progress, [&](std::string_view form) {
            tokenized.forms.addLowerCased(form, alphabet);
            ++tokenized.occurrences;
        });
    }
    if (occurrences == Occurrences::Kept)
        tokenized.occurrences = static_cast<std::int64_t>(tokenized.tokens.size());

    tokenized.alphabetical = tokenized.forms.alphabeticalOrder();
    tokenized.rank = ranksIn(tokenized.alphabetical);
    return tokenized;
}

} // namespace quorvelle
