// The filter of a list's rows.
#include "core/text/form_filter.h"

#include "core/text/segmentation.h"

#include <string>
#include <utility>

namespace quorvelle {

FormFilter::FormFilter(std::string_view typed, LetterRule letters)
    : letters_(letters)
{
    for (FormPattern& pattern : formQuery(typed, PatternSyntax::Wildcards, letters)) {
        if (pattern.isPlainForm())
            pattern = FormPattern(pattern.word() + "*", PatternSyntax::Wildcards, letters);
        patterns_.push_back(std::move(pattern));
    }
}

bool FormFilter::matches(std::string_view text) const
{
    if (patterns_.empty())
        return true;
    const Alphabet& alphabet = Alphabet::of(letters_);
    // answered[k]: whether the forms up to the current one answer patterns 0 to k in order. The
    // usual filter is one word: it needs no more than the answer of the current form.
    std::vector<bool> answered(patterns_.size() - 1, false);
    bool found = false;
    forEachForm(text, alphabet, [&](std::string_view written) {
        if (found)
            return;
        const std::string form = alphabet.lowerCased(written);
        found = patterns_.back().matches(form) && (answered.empty() || answered.back());
        // From the last pattern down, so that each reads what the previous form left.
        for (std::size_t place = answered.size(); place-- > 0;)
            answered[place] = patterns_[place].matches(form) && (place == 0 || answered[place - 1]);
    });
    return found;
}

} // namespace quorvelle
