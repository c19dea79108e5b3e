// Cutting texts into forms.
#include "core/segmentation.h"

#include "core/test_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvelle {
namespace {

using test::cp1252;

TEST(Segmentation, GivesTheFormsAsWritten)
{
    const std::pair<const char*, std::vector<std::string>> cases[] = { // UTF-8
        {"Le chat, le Chien.", {"Le", "chat", "le", "Chien"}},
        {"a , ; b.", {"a", "b"}},
        {"cœur.", {"c", "ur"}},
        {"a×b.", {"a", "b"}},
        {"l'été", {"l", "été"}},
        {"aujourd’hui", {"aujourd", "hui"}},
        {"porte-monnaie", {"porte", "monnaie"}},
        {"3e 2001", {"e"}},
        {"12 ; 3,4 !\r\n", {}},
        {"  \r\nBonjour.", {"Bonjour"}},
        {"Bonjour le monde", {"Bonjour", "le", "monde"}},
        {"ÉTÉ été.", {"ÉTÉ", "été"}},
        {"Šaº µb", {"a", "b"}},
    };
    for (const auto& [text, written] : cases) {
        SCOPED_TRACE(text);
        std::vector<std::string> expected;
        for (const std::string& form : written)
            expected.push_back(cp1252(form));
        const std::string converted = cp1252(text);
        const std::vector<std::string_view> forms = writtenForms(converted);
        EXPECT_EQ(std::vector<std::string>(forms.begin(), forms.end()), expected);
        EXPECT_EQ(countForms(converted), static_cast<std::int64_t>(expected.size()));
    }
}

} // namespace
} // namespace quorvelle
