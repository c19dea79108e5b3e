// Parsing quorvelle-cli's command line.
#include "cli/arguments.h"

#include <gtest/gtest.h>

namespace quorvelle::cli {
namespace {

TEST(Arguments, OptionsMayComeAnywhere)
{
    const Arguments arguments = parseArguments({"--json", "counts", "--encoding", "utf-8", "a.txt"});
    EXPECT_EQ(arguments.statistic, "counts");
    EXPECT_EQ(arguments.files, std::vector<std::filesystem::path>{"a.txt"});
    EXPECT_TRUE(arguments.json);
    EXPECT_EQ(arguments.encoding, Encoding::Utf8);
    EXPECT_EQ(parseArguments({"counts", "a.txt"}).encoding, Encoding::Auto);
    EXPECT_EQ(parseArguments({"counts", "--encoding=cp1252", "a.txt"}).encoding, Encoding::Cp1252);
}

TEST(Arguments, AllTakesOneOrTwoFiles)
{
    EXPECT_EQ(parseArguments({"all", "a.txt"}).files.size(), 1u);
    EXPECT_EQ(parseArguments({"all", "a.txt", "b.txt"}).files.size(), 2u);
}

TEST(Arguments, AFileNamedLikeADashIsAFile)
{
    EXPECT_EQ(parseArguments({"counts", "-"}).files, std::vector<std::filesystem::path>{"-"});
}

TEST(Arguments, HelpNeedsNothingElse)
{
    EXPECT_TRUE(parseArguments({"-h"}).help);
    EXPECT_TRUE(parseArguments({"counts", "--help"}).help);
}

TEST(Arguments, UsageTextListsEveryStatistic)
{
    const std::string usage = usageText();
    for (const char* name : {"counts", "vocabulary", "all", "--json", "--encoding"})
        EXPECT_NE(usage.find(name), std::string::npos) << name;
}

} // namespace
} // namespace quorvelle::cli
