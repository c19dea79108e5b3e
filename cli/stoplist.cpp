// The function words that --stoplist names.
#include "cli/stoplist.h"

#include "core/text/encoding.h"
#include "core/text/file_path.h"
#include "core/text/text_file.h"

#include <filesystem>
#include <string>

namespace quorvelle::cli {

FunctionWords readStoplist(std::string_view option, LetterRule letters)
{
    if (option.empty())
        return {};
    if (option == "fr")
        return frenchFunctionWords();
    return FunctionWords::fromText(decodeText(readFileBytes(pathFromUtf8(option)), Encoding::Auto), letters);
}

} // namespace quorvelle::cli
