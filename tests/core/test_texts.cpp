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

std::string testDataText(std::string_view relativePath)
{
    return decodeText(testDataBytes(relativePath), Encoding::Auto);
}

namespace {

constexpr std::string_view largeTextName = "large";

} // namespace

std::vector<std::string> realTextNames()
{
    std::vector<std::string> names(corpusFiles.begin(), corpusFiles.end());
    names.emplace_back(largeTextName);
    return names;
}

std::string realText(std::string_view name)
{
    if (name != largeTextName)
        return testDataText(name);
    constexpr int repetitions = 3;
    std::string text;
    for (int repetition = 0; repetition < repetitions; ++repetition)
        for (const char* file : corpusFiles)
            text += testDataText(file) + "\r\n";
    return text;
}

std::string numberedForm(std::size_t number)
{
    // The number in base 26, written with the letters a to z.
    std::string form;
    do {
        form.insert(form.begin(), static_cast<char>('a' + number % 26));
        number /= 26;
    } while (number > 0);
    return form;
}

} // namespace quorvelle::test
