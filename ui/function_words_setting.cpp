// The user's function words in the settings.
#include "ui/function_words_setting.h"

#include "ui/cp1252_text.h"
#include "ui/user_settings.h"

namespace quorvelle::ui {
namespace {

const QString functionWordsKey = QStringLiteral("functionWords/list");

} // namespace

QString savedFunctionWordLines()
{
    const auto settings = userSettings();
    return settings->contains(functionWordsKey) ? settings->value(functionWordsKey).toString()
                                                : frenchFunctionWordLines();
}

FunctionWords savedFunctionWords()
{
    return functionWordsOf(savedFunctionWordLines());
}

FunctionWords functionWordsOf(const QString& lines)
{
    return FunctionWords::fromText(toCp1252(lines), LetterRule::Extended);
}

void saveFunctionWordLines(const QString& lines)
{
    const auto settings = userSettings();
    // Kept as the program's list, the user follows it when a new version mends it.
    if (lines == frenchFunctionWordLines())
        settings->remove(functionWordsKey);
    else
        settings->setValue(functionWordsKey, lines);
    emit FunctionWordList::instance().saved();
}

FunctionWordList& FunctionWordList::instance()
{
    static FunctionWordList list;
    return list;
}

QString frenchFunctionWordLines()
{
    return fromCp1252(frenchFunctionWords().asLines());
}

} // namespace quorvelle::ui
