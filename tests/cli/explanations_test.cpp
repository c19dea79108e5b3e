// Every figure of the catalogue explains itself with the value its report gives it: the last
// value of each explanation is the figure of the JSON report, at the precision shown (or, for a
// count the JSON leaves out, the text output's), on a real text, on the manual's worked example
// and on a text without forms.
#include "cli/json_writer.h"
#include "cli/statistics.h"
#include "core/statistics/all_statistics.h"
#include "core/text/text_file.h"
#include "tests/cli/written_numbers.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

namespace quorvelle::test {
namespace {

using cli::Json;

// Whether an explanation ends on the value: nothing, or the measures' dash, for a total left
// undefined, else the value at the precision the figure is shown with.
bool endsOn(const std::string& shown, const Json& value)
{
    if (value.is_null())
        return shown.empty() || shown == "—";
    return agreesAtItsPrecision(shown, value.get<double>());
}

template <class Statistic>
void expectFiguresExplained(const AnalysedTexts& texts)
{
    const auto subject = figureSubject(Statistic::report(texts));
    std::ostringstream out;
    cli::JsonWriter json(out);
    cli::findStatistic(Statistic::info.name)->writeJson(texts, {}, json);
    const Json values = Json::parse(out.str());
    std::ostringstream text;
    cli::findStatistic(Statistic::info.name)->writeText(texts, {}, text);
    for (const auto& figure : Statistic::figures) {
        if (!figure.explain)
            continue;
        SCOPED_TRACE(std::string(Statistic::info.name) + " " + std::string(figure.id));
        const FigureExplanation explanation = figure.explained(subject, ExplanationNumbers(','));
        if (figure.jsonKey.empty()) // a count the JSON leaves out, as the text output shows it
            EXPECT_NE(text.str().find(std::string(figure.caption) + " " + explanation.shown + "\n"), std::string::npos);
        else
            EXPECT_TRUE(endsOn(explanation.shown, values.at(std::string(figure.jsonKey))))
                << explanation.shown << " for " << values.at(std::string(figure.jsonKey));
        EXPECT_FALSE(explanation.figure.empty() || explanation.inWords.empty() || explanation.steps.empty()
                     || explanation.manualPage.empty());
    }
}

TEST(Explanations, EveryFigureEndsOnTheValueOfItsReport)
{
    const std::string sample = readFileBytes(std::filesystem::path(QUORVELLE_SAMPLES) / "exemple.txt");
    for (const std::string& text :
         {sample, std::string("Le chat voit le chien. Le chien voit le loup. Le loup fuit."), std::string("123")}) {
        const AnalysedTexts texts(text, text);
        forEachStatistic([&texts](auto statistic) {
            if constexpr (requires { decltype(statistic)::figures; })
                expectFiguresExplained<decltype(statistic)>(texts);
        });
    }
}

} // namespace
} // namespace quorvelle::test
