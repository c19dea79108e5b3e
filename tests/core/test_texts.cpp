// Test helpers.
#include "core/test_texts.h"

#include "core/encoding.h"
#include "core/text_file.h"

namespace quorvelle::test {

std::string cp1252(std::string_view utf8)
{
    return decodeText(std::string(utf8), Encoding::Utf8);
}

std::string testDataBytes(std::string_view relativePath)
{
    return readFileBytes(std::string(QUORVELLE_TEST_DATA) + "/" + std::string(relativePath));
}

} // namespace quorvelle::test
