// Lower-casing of whole strings.
#include "core/letters.h"

#include <algorithm>

namespace quorvelle {

std::string lowerCased(std::string_view text)
{
    std::string result(text.size(), '\0');
    std::transform(text.begin(), text.end(), result.begin(), toLower);
    return result;
}

} // namespace quorvelle
