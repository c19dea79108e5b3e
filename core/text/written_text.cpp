// Stretches of text on one line, in lower case.
#include "core/text/written_text.h"

namespace quorvelle {

std::string writtenInLowerCase(std::string_view text, LetterRule letters)
{
    std::string shown;
    appendWrittenInLowerCase(shown, text, letters);
    return shown;
}

void appendWrittenInLowerCase(std::string& shown, std::string_view text, LetterRule letters)
{
    const Alphabet& alphabet = Alphabet::of(letters);
    // Control characters (a zero byte among them, which would end a report's text) show as blanks.
    const auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    for (std::size_t index = 0; index < text.size(); ++index) {
        if (!isBlank(text[index]))
            shown += alphabet.toLower(text[index]);
        else if (index == 0 || !isBlank(text[index - 1]))
            shown += ' ';
    }
}

} // namespace quorvelle
