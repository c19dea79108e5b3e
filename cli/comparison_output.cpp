// The comparison as its window shows it: the figures of both texts, then the common forms and
// the forms proper to each text.
#include "cli/comparison_output.h"

#include "cli/form_list_json.h"
#include "cli/french_text.h"
#include "cli/table_output.h"
#include "core/presentation/french_messages.h"

#include <cstddef>
#include <string>
#include <utility>
#include <variant>

namespace quorvelle::cli {

void StatisticWriters<ComparisonStatistic>::writeText(std::ostream& out, const VocabularyComparison& comparison)
{
    writeTitle(out, ComparisonStatistic::info.title);
    using namespace french;
    const auto& [text1, text2] = comparison.texts;
    writeTotal(out, tokenCount1Caption, text1.vocabulary.tokenCount);
    writeTotal(out, tokenCount2Caption, text2.vocabulary.tokenCount);
    writeTotal(out, distinctCount1Caption, text1.vocabulary.distinctCount);
    writeTotal(out, distinctCount2Caption, text2.vocabulary.distinctCount);
    out << commonCountCaption << comparison.commonCount << '\n'
        << amountingTo << '\n'
        << frenchNumber(text1.commonShare) << commonShare1Caption << '\n'
        << frenchNumber(text2.commonShare) << commonShare2Caption << '\n'
        << representing << '\n'
        << forText1 << ' ' << text1.commonTokens << ' ' << attestationsOr << frenchNumber(text1.commonTokenShare)
        << tokenShareCaption << '\n'
        << forText2 << ' ' << text2.commonTokens << ' ' << attestationsOr << frenchNumber(text2.commonTokenShare)
        << tokenShareCaption << '\n';
    for (const auto& [heading, text] : {std::pair{text1Heading, &text1}, std::pair{text2Heading, &text2}})
        out << '\n'
            << heading << '\n'
            << properCountCaption << text->properCount << '\n'
            << amountingTo << '\n'
            << frenchNumber(text->properShare) << properShareCaption << '\n'
            << representing << '\n'
            << text->properTokens << ' ' << attestationsOr << frenchNumber(text->properTokenShare) << tokenShareCaption
            << '\n';

    writeHeading(out, "Formes communes");
    ResultListing commonForms(terminalLineEnd);
    for (const CommonForm& form : comparison.commonForms)
        commonForms.addCommonForm(form.form, form.counts[0], form.counts[1]);
    writeListing(out, commonForms);
    writeHeading(out, "Formes propres au texte n°1");
    writeFormLines(out, text1.properForms);
    writeHeading(out, "Formes propres au texte n°2");
    writeFormLines(out, text2.properForms);
}

void StatisticWriters<ComparisonStatistic>::writeJson(JsonWriter& json, const VocabularyComparison& comparison)
{
    json.beginObject();
    for (std::size_t side = 0; side < comparison.texts.size(); ++side) {
        json.key(std::string("text").append(sideNumber(side))).beginObject();
        for (const ComparedFigure* figure : comparedTextTotals)
            json.key(figure->id).figure(figure->value(comparison.texts[side]), figure->format);
        json.endObject();
    }
    json.key(commonCountFigure.jsonKey).figure(commonCountFigure.value(comparison), commonCountFigure.format);
    for (const ComparedFigure* figure : comparedFiguresByKind)
        for (std::size_t side = 0; side < comparison.texts.size(); ++side)
            json.key(std::string(figure->id).append(sideNumber(side)))
                .figure(figure->value(comparison.texts[side]), figure->format);
    json.key("commonForms");
    writeJsonRows(json, ComparisonStatistic::table.columns, comparison.commonForms);
    for (std::size_t side = 0; side < comparison.texts.size(); ++side) {
        json.key(std::string("properForms").append(sideNumber(side)));
        writeJsonForms(json, comparison.texts[side].properForms);
    }
    json.endObject();
}

void StatisticWriters<ComparisonStatistic>::writeCsv(CsvWriter& csv, const VocabularyComparison& comparison)
{
    csv.beginTable(ComparisonStatistic::info.title, {"", "Texte n°1", "Texte n°2"});
    const ComparedText& text1 = comparison.texts[0];
    const ComparedText& text2 = comparison.texts[1];
    const auto row = [&](const ComparedFigure& figure) {
        std::visit([&](const auto& first, const auto& second) { csv.row(Utf8Field{figure.caption}, first, second); },
                   figure.value(text1), figure.value(text2));
    };
    for (const ComparedFigure* figure : comparedTextTotals)
        row(*figure);
    csv.row(Utf8Field{commonCountFigure.caption}, comparison.commonCount, comparison.commonCount);
    for (const ComparedFigure* figure : commonFormFigures)
        row(*figure);
    for (const ComparedFigure* figure : properFormFigures)
        row(*figure);
    csv.endTable();
    writeCsvTable(csv, ComparisonStatistic::table, formsOfEitherText(comparison));
}

} // namespace quorvelle::cli
