// Test helpers.
#include "core/test_texts.h"

#include "core/text/encoding.h"
#include "core/text/text_file.h"

namespace quorvelle::test {

constexpr std::string_view largeTextName = "large";

std::string cp1252(std::string_view utf8)
{
    return decodeText(std::string(utf8), Encoding::Utf8);
}

std::vector<std::string> realTextNames()
{
    const std::string corpus = QUORVELLE_TEST_DATA "/corpus/";
    return {corpus + "r01_flaubert_bovary_incipit.txt", corpus + "r02_maupassant_une_vie.txt",
            corpus + "r02_maupassant_une_vie.utf8.txt", corpus + "r03_daudet_petit_chose.txt",
            corpus + "r05_france_dieux_ont_soif.txt",   corpus + "r05_france_dieux_ont_soif.utf8.txt",
            QUORVELLE_SAMPLES "/exemple.txt",           std::string(largeTextName)};
}

std::string realText(std::string_view name)
{
    if (name != largeTextName)
        return decodeText(readFileBytes(std::string(name)), Encoding::Auto);
    std::string text;
    for (int repetition = 0; repetition < 2; ++repetition)
        for (const std::string& file : realTextNames())
            if (file != largeTextName)
                text += realText(file) + "\r\n";
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

std::string formsText(std::size_t count, std::size_t distinct)
{
    std::string text;
    for (std::size_t index = 0; index < count; ++index)
        text.append(index > 0 ? " " : "").append(numberedForm(index % distinct));
    return text;
}

std::string repeated(std::string_view piece, std::size_t times)
{
    std::string text;
    for (std::size_t time = 0; time < times; ++time)
        text += piece;
    return text;
}

} // namespace quorvelle::test
