// Reading a corpus from files: one file with marker lines, or several files, one part each.
#pragma once

#include "core/corpus/corpus.h"
#include "core/text/encoding.h"

#include <filesystem>
#include <string>
#include <vector>

namespace quorvelle {

/// The corpus of the files: one file is cut at its marker lines (see markedCorpus); several
/// files are one part each, in order, named after their file name without its extension.
/// Each file is read as loadTextFile reads it, documents included, with its own detection of
/// the code page. Throws FileError for the first file that cannot be read.
Corpus loadCorpus(const std::vector<std::filesystem::path>& files, Encoding encoding = Encoding::Auto,
                  LetterRule letters = LetterRule::Classic);

/// The name of a file's part: its name without extension, in code page 1252.
std::string partNameOf(const std::filesystem::path& file);

} // namespace quorvelle
