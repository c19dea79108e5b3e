// The literal way of reading and counting forms, which the tests hold the core's faster
// computations against: the forms one by one, and a sorted list whose equal neighbours are
// grouped.
#pragma once

#include "core/text/collation.h"
#include "core/text/segmentation.h"
#include "core/text/vocabulary.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorvelle::test {

/// The forms of the text as written, in text order.
inline std::vector<std::string> writtenForms(std::string_view text, LetterRule letters = LetterRule::Classic)
{
    std::vector<std::string> forms;
    forEachForm(text, Alphabet::of(letters), [&forms](std::string_view form) { forms.emplace_back(form); });
    return forms;
}

/// The forms of the text lower-cased one character at a time, in text order.
inline std::vector<std::string> lowerCasedForms(std::string_view text, LetterRule letters = LetterRule::Classic)
{
    const Alphabet& alphabet = Alphabet::of(letters);
    std::vector<std::string> forms = writtenForms(text, letters);
    for (std::string& form : forms)
        std::ranges::transform(form, form.begin(), [&](char c) { return alphabet.toLower(c); });
    return forms;
}

/// Alphabetical order through FrenchCollator::compare, not the sort keys the core sorts by.
inline bool comesBefore(std::string_view left, std::string_view right)
{
    return std::is_lt(FrenchCollator::instance().compare(left, right));
}

/// The strings sorted alphabetically, duplicates kept, then each run of equal neighbours as
/// (string, length of the run), in list order.
inline std::vector<FormCount> sortedGroups(std::vector<std::string> list)
{
    std::ranges::stable_sort(list, comesBefore);
    std::vector<FormCount> groups;
    for (std::string& entry : list) {
        if (groups.empty() || groups.back().form != entry)
            groups.push_back({std::move(entry), 0});
        ++groups.back().count;
    }
    return groups;
}

} // namespace quorvelle::test
