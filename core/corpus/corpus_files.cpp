// Reading each file of a corpus as the program reads a text.
#include "core/corpus/corpus_files.h"

#include "core/documents/document_text.h"
#include "core/text/file_path.h"

namespace quorvelle {

std::string partNameOf(const std::filesystem::path& file)
{
    // File names are UTF-8 here, as the system gives them.
    return decodeText(utf8Name(file.stem()), Encoding::Utf8);
}

Corpus loadCorpus(const std::vector<std::filesystem::path>& files, Encoding encoding, LetterRule letters)
{
    if (files.size() == 1)
        return markedCorpus(loadTextFile(files.front(), encoding).text, letters);
    std::vector<NamedText> texts;
    texts.reserve(files.size());
    for (const std::filesystem::path& file : files)
        texts.push_back({partNameOf(file), loadTextFile(file, encoding).text});
    return joinedCorpus(std::move(texts), letters);
}

} // namespace quorvelle
