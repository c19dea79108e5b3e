// Cutting texts into forms.
#include "core/text/segmentation.h"

#include "core/literal_vocabulary.h"
#include "core/test_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvelle {
namespace {

using test::cp1252;

TEST(Segmentation, GivesTheFormsAsWritten)
{
    const std::pair<const char*, const char*> cases[] = {
        // UTF-8 text, its forms joined by |
        {"Le chat, le Chien.", "Le|chat|le|Chien"},
        {"a , ; b.", "a|b"},
        {"cœur.", "c|ur"},
        {"a×b.", "a|b"},
        {"l'été", "l|été"},
        {"aujourd’hui", "aujourd|hui"},
        {"porte-monnaie", "porte|monnaie"},
        {"3e 2001", "e"},
        {"12 ; 3,4 !\r\n", ""},
        {"  \r\nBonjour.", "Bonjour"},
        {"Bonjour le monde", "Bonjour|le|monde"},
        {"ÉTÉ été.", "ÉTÉ|été"},
    };
    for (const auto& [text, forms] : cases) {
        const std::vector<std::string> written = test::writtenForms(cp1252(text));
        std::string joined;
        for (const std::string& form : written)
            joined += (joined.empty() ? "" : "|") + form;
        EXPECT_EQ(joined, cp1252(forms)) << text;
        EXPECT_EQ(countForms(cp1252(text)), static_cast<std::int64_t>(written.size())) << text;
    }
}

} // namespace
} // namespace quorvelle
