// The French names of the categories of words.
#include "core/lemmas/word_category.h"

#include <cstddef>

namespace quorvelle {

namespace {

// In code page 1252, in the order of WordCategory.
constexpr std::array<std::string_view, allWordCategories.size()> names = {
    "nom",    "nom propre",     "verbe",       "auxiliaire",   "adjectif", "adverbe", "d\xE9terminant",
    "pronom", "pr\xE9position", "conjonction", "interjection", "nombre",   "inconnu",
};

} // namespace

std::string_view categoryName(WordCategory category)
{
    return names[static_cast<std::size_t>(category)];
}

std::optional<WordCategory> categoryNamed(std::string_view name)
{
    for (const WordCategory category : allWordCategories)
        if (categoryName(category) == name)
            return category;
    return std::nullopt;
}

} // namespace quorvelle
