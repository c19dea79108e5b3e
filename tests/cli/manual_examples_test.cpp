// The worked examples of the student's manual, computed again: every figure a help page shows
// for an example text must be the one quorvelle-cli's JSON report gives for that text.
//
// An example is an element with data-statistique (the statistic's command-line name) and
// data-texte (data-texte2 for a second text), data-forme for a command that studies one form
// (dispersion, collocates) and data-options for the options of its command line; each figure
// inside it is an element with data-json, the JSON pointers (space-separated) of the values it
// shows. Examples do not nest.
#include "cli/arguments.h"
#include "cli/corpus_commands.h"
#include "cli/form_commands.h"
#include "cli/statistics.h"
#include "core/corpus/corpus.h"
#include "core/text/encoding.h"
#include "tests/cli/written_numbers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace quorvelle::test {
namespace {

namespace fs = std::filesystem;
using cli::Json;

/// An element of a page: its start tag's attributes and its content.
struct Element {
    std::string attributes;
    std::string content;
};

// Every element whose start tag carries the attribute, in the page's order. An element ends
// at the end tag that balances it; elements of another name are not looked at.
std::vector<Element> elementsWith(const std::string& html, const std::string& attribute)
{
    std::vector<Element> elements;
    const std::regex startTag("<(\\w+)([^>]*\\s" + attribute + "=[^>]*)>");
    for (std::sregex_iterator tag(html.begin(), html.end(), startTag), none; tag != none; ++tag) {
        const auto contentStart = html.begin() + tag->position() + tag->length();
        const std::regex sameName("<(/?)" + (*tag)[1].str() + "\\b[^>]*>");
        std::sregex_iterator inner(contentStart, html.end(), sameName);
        for (int depth = 1; inner != none; ++inner)
            if ((depth += (*inner)[1].length() == 0 ? 1 : -1) == 0)
                break;
        elements.push_back({(*tag)[2], std::string(contentStart, inner == none ? html.end() : (*inner)[0].first)});
    }
    return elements;
}

// The text of HTML: tags dropped, the entities the pages use decoded (UTF-8), &amp; last.
std::string decoded(std::string html)
{
    const std::pair<const char*, const char*> entities[] = {{"&nbsp;", "\xC2\xA0"}, {"&lt;", "<"},   {"&gt;", ">"},
                                                            {"&quot;", "\""},       {"&#13;", "\r"}, {"&#10;", "\n"},
                                                            {"&amp;", "&"}};
    html = std::regex_replace(html, std::regex("<[^>]*>"), "");
    for (const auto& [entity, text] : entities)
        html = std::regex_replace(html, std::regex(entity), text);
    return html;
}

// Text as the reader tells it apart: no-break spaces and runs of spaces read as one space,
// no space at either end of a line.
std::string withPlainSpaces(const std::string& text)
{
    const std::string spaces = std::regex_replace(text, std::regex("(\xC2\xA0|[ \\t])+"), " ");
    return std::regex_replace(spaces, std::regex(" ?(\n|^|$) ?"), "$1");
}

// The decoded value of the attribute, when the start tag has it.
std::optional<std::string> attribute(const std::string& attributes, const std::string& name)
{
    std::smatch value;
    if (!std::regex_search(attributes, value, std::regex("\\s" + name + "=\"([^\"]*)\"")))
        return std::nullopt;
    return decoded(value[1]);
}

// A value of a report as the windows show it: a listing line "chien (1) (1)" for [form,
// count...], one line per element for a listing, "—" for a value left undefined.
std::string shown(const Json& value)
{
    if (value.is_null())
        return "—";
    if (value.is_string())
        return value.get<std::string>();
    if (!value.is_array())
        return value.dump();
    if (value.size() > 1 && value[0].is_string() && value[1].is_number()) {
        std::string line = value[0].get<std::string>();
        for (std::size_t count = 1; count < value.size(); ++count)
            line.append(" (").append(value[count].dump()).append(")");
        return line;
    }
    std::string lines;
    for (const Json& element : value)
        lines.append(lines.empty() ? "" : "\n").append(shown(element));
    return lines;
}

// Whether the manual's figure is the value: the same text, or for a number the value rounded
// to the figure's last decimal.
bool agrees(const std::string& figure, const Json& value)
{
    if (!value.is_number())
        return figure == withPlainSpaces(shown(value));
    return agreesAtItsPrecision(figure, value.get<double>());
}

// The report quorvelle-cli writes in JSON for the command line the example stands for:
// "STATISTIQUE texte [texte2] [FORME] [options]", the text of a corpus command cut at its marker
// lines; null for one that it refuses or for a
// command without a JSON report of its own (all, concordance).
Json report(const Element& example)
{
    const auto given = [&example](const char* name) { return attribute(example.attributes, name); };
    const std::optional<std::string> text2 = given("data-texte2");
    std::vector<std::string> words = {given("data-statistique").value(), "texte1"};
    if (text2)
        words.emplace_back("texte2");
    if (const std::optional<std::string> form = given("data-forme"))
        words.push_back(*form);
    std::istringstream options(given("data-options").value_or(""));
    for (std::string option; options >> option;)
        words.push_back(option);
    cli::Arguments arguments;
    try {
        arguments = cli::parseArguments({words.begin(), words.end()});
    } catch (const cli::UsageError&) {
        return nullptr;
    }
    const std::string text = decodeText(given("data-texte").value_or(""), Encoding::Utf8);
    std::ostringstream out;
    cli::JsonWriter json(out);
    if (const cli::FormCommand* command = cli::findFormCommand(arguments.statistic))
        command->writeJson(arguments, text, json);
    else if (const cli::CorpusCommand* corpusCommand = cli::findCorpusCommand(arguments.statistic))
        corpusCommand->writeJson(arguments, cli::corpusTable(markedCorpus(text, arguments.letters), arguments), json);
    else if (const cli::Statistic* statistic = cli::findStatistic(arguments.statistic))
        statistic->writeJson(
            AnalysedTexts(text, text2 ? std::optional(decodeText(*text2, Encoding::Utf8)) : std::nullopt,
                          arguments.letters),
            arguments.presentation, json);
    else
        return nullptr;
    return Json::parse(out.str());
}

std::vector<fs::path> helpPages()
{
    std::vector<fs::path> pages;
    for (const fs::directory_entry& entry : fs::directory_iterator(QUORVELLE_HELP))
        if (entry.path().extension() == ".html")
            pages.push_back(entry.path());
    std::ranges::sort(pages);
    return pages;
}

class ManualExamples : public testing::TestWithParam<fs::path> { };

TEST_P(ManualExamples, ShowTheFiguresOfTheReports)
{
    std::ostringstream bytes;
    bytes << std::ifstream(GetParam(), std::ios::binary).rdbuf();
    const std::string html = bytes.str();
    const std::string page = GetParam().filename().string();
    const std::vector<Element> examples = elementsWith(html, "data-statistique");
    // A page with an example section must have its examples marked.
    EXPECT_TRUE(!examples.empty() || html.find("<h2>Exemple") == std::string::npos)
        << page << ": its Exemple section has no marked example";
    std::size_t figureCount = 0;
    for (const Element& example : examples) {
        const Json values = report(example);
        const std::string text = attribute(example.attributes, "data-texte").value_or("");
        EXPECT_FALSE(values.is_null()) << page << ", « " << text
                                       << " »: a command line quorvelle-cli refuses, or one without a report";
        const std::vector<Element> figures = elementsWith(example.content, "data-json");
        EXPECT_FALSE(figures.empty()) << page << ", « " << text << " »: an example without marked figures";
        figureCount += figures.size();
        for (const Element& figure : figures) {
            const std::string expected = withPlainSpaces(decoded(figure.content));
            std::istringstream pointers(attribute(figure.attributes, "data-json").value());
            for (std::string pointer; pointers >> pointer;) {
                const bool present = pointer.starts_with('/') && values.contains(Json::json_pointer(pointer));
                EXPECT_TRUE(present && agrees(expected, values[Json::json_pointer(pointer)]))
                    << page << ", « " << text << " »: " << pointer << " shows «" << expected << "», the report gives "
                    << (present ? values[Json::json_pointer(pointer)].dump() : std::string("nothing at that path"));
            }
        }
    }
    EXPECT_EQ(figureCount, elementsWith(html, "data-json").size()) << page << ": figures outside any example";
}

INSTANTIATE_TEST_SUITE_P(HelpPages, ManualExamples, testing::ValuesIn(helpPages()), [](const auto& page) {
    return std::regex_replace(page.param.stem().string(), std::regex("-"), "_");
});

} // namespace
} // namespace quorvelle::test
