// The letter rule the user chose, kept from one run of the program to the next.
#pragma once

#include "core/text/letters.h"

namespace quorvelle::ui {

/// The rule chosen in an earlier run; the classic rule when none was ever chosen.
LetterRule savedLetterRule();

/// Keeps the rule for the next runs.
void saveLetterRule(LetterRule letters);

} // namespace quorvelle::ui
