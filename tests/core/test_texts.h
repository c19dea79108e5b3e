// Helpers shared by the core tests: cp1252 text from UTF-8 literals, and test files.
#pragma once

#include <string>
#include <string_view>

namespace quorvelle::test {

/// The code page 1252 text of a UTF-8 literal, so tests can be written in plain French.
std::string cp1252(std::string_view utf8);

/// The raw bytes of a file under tests/data.
std::string testDataBytes(std::string_view relativePath);

} // namespace quorvelle::test
