// Helpers shared by the core tests: cp1252 text from UTF-8 literals, and test files.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quorvelle::test {

/// The code page 1252 text of a UTF-8 literal, so tests can be written in plain French.
std::string cp1252(std::string_view utf8);

/// The raw bytes of a file under tests/data.
std::string testDataBytes(std::string_view relativePath);

/// A file under tests/data as the program reads it (encoding recognised, code page 1252).
std::string testDataText(std::string_view relativePath);

/// The real French texts under tests/data, in code page 1252.
inline constexpr std::array<const char*, 4> corpusFiles = {
    "corpus/r01_flaubert_bovary_incipit.txt",
    "corpus/r02_maupassant_une_vie.txt",
    "corpus/r03_daudet_petit_chose.txt",
    "corpus/r05_france_dieux_ont_soif.txt",
};

/// The real texts the reports are checked on: the corpus files, and "large", French text
/// far above the 64 KB the program was first meant for (the corpus texts one after the
/// other, three times over).
std::vector<std::string> realTextNames();

/// The code page 1252 text of one of realTextNames().
std::string realText(std::string_view name);

/// A lower-case form made of letters only, a different one for each number ("a", "b", … "ba"…).
std::string numberedForm(std::size_t number);

} // namespace quorvelle::test
