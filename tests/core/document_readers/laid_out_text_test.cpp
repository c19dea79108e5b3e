// Laid-out pages read as their text: running headers and footers left out, each hyphen at a
// line end kept or joined as the document's words tell.
#include "core/document_readers/laid_out_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvelle {
namespace {

// A page whose lines follow one another down the page, 12 points apart.
LaidOutPage page(const std::vector<std::string>& lines)
{
    LaidOutPage laidOut;
    for (const std::string& text : lines) {
        const double top = 12.0 * static_cast<double>(laidOut.size());
        laidOut.push_back({text, top, top + 10});
    }
    return laidOut;
}

struct LayoutCase {
    const char* name;
    std::vector<LaidOutPage> pages;
    std::string text;
};

class LaidOutText : public testing::TestWithParam<LayoutCase> { };

TEST_P(LaidOutText, ReadsThePagesAsTheirText)
{
    EXPECT_EQ(laidOutText(GetParam().pages), GetParam().text);
}

// "Le Livre" on top of every page, "Page N" at the bottom.
std::vector<LaidOutPage> bookPages(int count)
{
    std::vector<LaidOutPage> pages;
    for (int number = 1; number <= count; ++number)
        pages.push_back(page({"Le Livre", "ligne " + std::string(1, static_cast<char>('a' + number)),
                              "Page " + std::to_string(number)}));
    return pages;
}

// A page with a header, then a line beside it: its number on the header's row.
LaidOutPage pageWithNumber(const std::string& header, int number, const std::string& body)
{
    return {{header, 0, 10}, {std::to_string(number), 1, 9}, {body, 20, 30}};
}

INSTANTIATE_TEST_SUITE_P(RunningLines, LaidOutText,
                         testing::Values(LayoutCase{"LinesAndPagesEndWithOneLineEnd",
                                                    {page({"un", "deux"}), {}, page({"trois"})},
                                                    "un\ndeux\ntrois\n"},
                                         LayoutCase{"TwoPagesHaveNoRunningLines", bookPages(2),
                                                    "Le Livre\nligne b\nPage 1\nLe Livre\nligne c\nPage 2\n"},
                                         LayoutCase{"HeaderAndNumberedFooterOfEveryPageLeftOut", bookPages(3),
                                                    "ligne b\nligne c\nligne d\n"},
                                         LayoutCase{"ALineOnHalfThePagesIsText",
                                                    {page({"Nuit", "a"}), page({"Nuit", "b"}), page({"Nuit", "c"}),
                                                     page({"d"}), page({"e"}), page({"f"})},
                                                    "Nuit\na\nNuit\nb\nNuit\nc\nd\ne\nf\n"},
                                         LayoutCase{"AHeaderLineAwayFromTheEdgesIsText",
                                                    {page({"Le Livre", "a", "b", "Le Livre", "c", "d"}),
                                                     page({"Le Livre", "e"}), page({"Le Livre", "f"})},
                                                    "a\nb\nLe Livre\nc\nd\ne\nf\n"},
                                         LayoutCase{"FacingPagesAlternateTheirHeaders",
                                                    {pageWithNumber("Titre", 1, "a"), pageWithNumber("Auteur", 2, "b"),
                                                     pageWithNumber("Titre", 3, "c"), pageWithNumber("Auteur", 4, "d"),
                                                     pageWithNumber("Titre", 5, "e"), pageWithNumber("Auteur", 6, "f")},
                                                    "a\nb\nc\nd\ne\nf\n"}),
                         [](const testing::TestParamInfo<LayoutCase>& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    LineEndHyphens, LaidOutText,
    testing::Values(
        LayoutCase{"ACompoundKeepsItsHyphen", {page({"mon grand-", "oncle vint"})}, "mon grand-\noncle vint\n"},
        LayoutCase{"AWordWrittenWholeElsewhereIsJoined",
                   {page({"le Pré-", "sident parla au président"})},
                   "le Président parla au président\n"},
        LayoutCase{"OneHalfWrittenAloneStillJoins",
                   {page({"il en-", "core dit encore en riant"})},
                   "il encore dit encore en riant\n"},
        LayoutCase{"BothHalvesWrittenAloneKeepTheHyphen",
                   {page({"un porte-", "plume, une porte, une plume, un porteplume"})},
                   "un porte-\nplume, une porte, une plume, un porteplume\n"},
        LayoutCase{"ASoftHyphenAlwaysJoins", {page({"le lende\u00AD", "main"})}, "le lendemain\n"},
        LayoutCase{"AHyphenBeforeANonLetterStays", {page({"grand-", "« oncle »"})}, "grand-\n« oncle »\n"},
        LayoutCase{"AWordCutOverAPageBreakJoinsPastTheFooter",
                   {page({"Le Livre", "le mou-", "1"}), page({"Le Livre", "lin tourne", "2"}),
                    page({"Le Livre", "au moulin", "3"})},
                   "le moulin tourne\nau moulin\n"}),
    [](const testing::TestParamInfo<LayoutCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace quorvelle
