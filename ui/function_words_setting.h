// The function words the user keeps (« Outils › Mots-outils... »), from one run to the next.
#pragma once

#include "core/text/function_words.h"

#include <QObject>
#include <QString>

namespace quorvelle::ui {

/// The user's list as its lines, one form a line: the program's French list until the user
/// changes it.
QString savedFunctionWordLines();

/// The user's list.
FunctionWords savedFunctionWords();

/// The forms of a list's lines. They are cut with œ, Œ, Ÿ, Š and Ž as letters: « cœur » in the
/// list stays whole, and matches nothing in a text where œ is no letter, rather than set aside
/// the « c » of « c'est ».
FunctionWords functionWordsOf(const QString& lines);

/// Keeps lines as the user's list; the program's own list when they are that list. The
/// windows that set function words aside hear of it (see FunctionWordList::saved).
void saveFunctionWordLines(const QString& lines);

/// Says when the user's list is saved, so that every list and cloud without the function words
/// takes the new list at once.
class FunctionWordList final : public QObject {
    Q_OBJECT
public:
    /// The one object that says it.
    static FunctionWordList& instance();

signals:
    void saved();
};

/// The program's French list as lines, in alphabetical order.
QString frenchFunctionWordLines();

} // namespace quorvelle::ui
