// Tokenizing a text: one hash probe per occurrence, one sort key per distinct form.
#include "core/text/tokenized_text.h"

#include "core/text/segmentation.h"
#include "core/text/work_cancellation.h"

namespace quorvelle {
namespace {

// forEachForm, checking every cancellationChunk forms, some 400 KB of French text, whether the
// work was given up (see stopIfCancelled) and telling progress, when given one, how far it has
// gone; and at the end.
template <class Visitor>
void forEachFormChecked(std::string_view text, const Alphabet& alphabet, const WorkProgress& progress, Visitor visit)
{
    CancellationCountdown countdown;
    forEachForm(text, alphabet, [&](std::string_view form) {
        visit(form);
        if (countdown.countItem() && progress)
            progress(static_cast<std::size_t>(form.data() + form.size() - text.data()), text.size());
    });
    if (progress)
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
        forEachFormChecked(text, alphabet, progress, [&](std::string_view form) {
            tokenized.tokens.push_back(tokenized.forms.addLowerCased(form, alphabet));
        });
    } else {
        forEachFormChecked(text, alphabet, progress, [&](std::string_view form) {
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
