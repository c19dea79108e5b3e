// Forms shown as the text writes them between one another: "qu'il", "c'était", "et l'on".
#pragma once

#include "core/text/letters.h"

#include <string>
#include <string_view>

namespace quorvelle {

/// A stretch of text from one form to another as a listing shows it: its apostrophes, hyphens
/// and punctuation as written, on one line (each run of blanks, tabs, line ends and other
/// control characters as one space), its letters lower-cased by the rule as every form is
/// ("Qu'il" gives "qu'il").
std::string writtenInLowerCase(std::string_view text, LetterRule letters);

/// The same appended to shown.
void appendWrittenInLowerCase(std::string& shown, std::string_view text, LetterRule letters);

} // namespace quorvelle
