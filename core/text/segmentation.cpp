// Counting forms without storing them.
#include "core/text/segmentation.h"

namespace quorvelle {

std::int64_t countForms(std::string_view text, LetterRule letters)
{
    std::int64_t count = 0;
    forEachForm(text, Alphabet::of(letters), [&count](std::string_view) { ++count; });
    return count;
}

} // namespace quorvelle
