// The function words that --stoplist names: the program's French list or a file of forms.
#pragma once

#include "core/text/function_words.h"
#include "core/text/letters.h"

#include <string_view>

namespace quorvelle::cli {

/// The words --stoplist gives: none when option is empty, the program's French list for
/// "fr", else the forms of the file it names (one a line, UTF-8 or code page 1252). Throws
/// FileError for a file that cannot be read.
FunctionWords readStoplist(std::string_view option, LetterRule letters);

} // namespace quorvelle::cli
