// The function words the user keeps (« Outils › Mots-outils... »), from one run to the next.
#pragma once

#include "core/text/function_words.h"
#include "core/text/letters.h"

#include <QString>

namespace quorvelle::ui {

/// The user's list as its lines, one form a line: the program's French list until the user
/// changes it.
QString savedFunctionWordLines();

/// The user's list, its forms cut by letters as a text's are.
FunctionWords savedFunctionWords(LetterRule letters);

/// Keeps lines as the user's list; the program's own list when they are that list.
void saveFunctionWordLines(const QString& lines);

/// The program's French list as lines, in alphabetical order.
QString frenchFunctionWordLines();

} // namespace quorvelle::ui
