// Helpers shared by the core tests: cp1252 text from UTF-8 literals, and the test files.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quorvelle::test {

/// The code page 1252 text of a UTF-8 literal, so tests can be written in plain French.
std::string cp1252(std::string_view utf8);

/// The real French texts: every corpus file (code page 1252 originals and UTF-8 copies), the
/// sample text, and "large", all of them one after the other twice over, far above the
/// 64 KB the program was first meant for.
std::vector<std::string> realTextNames();

/// One of realTextNames() as the program reads it (encoding recognised, code page 1252).
std::string realText(std::string_view name);

/// A lower-case form made of letters only, a different one for each number ("a", "b", … "ba"…).
std::string numberedForm(std::size_t number);

/// count forms separated by blanks, form k (from 0) being numberedForm(k % distinct).
std::string formsText(std::size_t count, std::size_t distinct);

/// The piece written the given number of times.
std::string repeated(std::string_view piece, std::size_t times);

} // namespace quorvelle::test
