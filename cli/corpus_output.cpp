// The corpus and the progression of forms on the command line.
#include "cli/corpus_output.h"

#include "cli/french_text.h"
#include "cli/table_output.h"
#include "core/presentation/corpus_messages.h"
#include "core/statistics/corpus_statistic.h"
#include "core/text/encoding.h"

#include <span>

namespace quorvelle::cli {
namespace {

using Values = std::vector<double> FactorPoint::*;

// The lists of a point's values on the factors, with the JSON key and CSV heading of each.
struct FactorValues {
    Values values;
    std::string_view jsonKey;
    std::string_view heading; ///< before the factor's number
};

constexpr std::array factorValues = {
    FactorValues{&FactorPoint::coordinates, "coordinates", "F"},
    FactorValues{&FactorPoint::contributions, "contributions", "Contribution F"},
    FactorValues{&FactorPoint::cos2, "cos2", "Cos² F"},
};

std::string specificitiesHeading(const PartSpecificities& part, double threshold)
{
    return "Spécificités de la partie « " + cp1252ToUtf8(part.part) + " » (seuil : " + frenchNumber(threshold) + ")";
}

bool reaches(const PartSpecificForm& form, double threshold)
{
    return form.specificity >= threshold || form.specificity <= -threshold;
}

void writeAnalysisSummary(std::ostream& out, const CorrespondenceAnalysis& analysis)
{
    writeHeading(out, CorpusStatistic::factorTable.title);
    out << "Formes d'au moins " << analysis.minFrequency << " attestations dans le corpus : " << analysis.forms.size()
        << '\n';
    for (const std::string& part : analysis.partsLeftOut) {
        out << "Partie sans aucune de ces formes, hors de l'analyse : ";
        writeCp1252(out, part);
        out << '\n';
    }
    if (analysis.factors.empty()) {
        out << "Aucun facteur : il faut au moins deux parties et deux formes retenues, qui ne se répartissent "
               "pas de la même façon dans toutes les parties.\n";
        return;
    }
    writeTextTable(out, CorpusStatistic::factorTable.columns, analysis.factors);
}

void writeJsonPoints(JsonWriter& json, std::string_view nameKey, const std::vector<FactorPoint>& points)
{
    json.beginArray();
    for (const FactorPoint& point : points) {
        json.beginObject().member(nameKey, std::string_view(point.name));
        for (const FactorValues& list : factorValues) {
            json.key(list.jsonKey).beginArray();
            for (const double value : point.*list.values)
                json.value(exactNumber(value));
            json.endArray();
        }
        json.endObject();
    }
    json.endArray();
}

void writeCsvPoints(CsvWriter& csv, std::string_view title, std::string_view nameHeading,
                    const CorrespondenceAnalysis& analysis, const std::vector<FactorPoint>& points)
{
    std::vector<std::string> headings{std::string(nameHeading), "Masse"};
    for (const FactorValues& list : factorValues)
        for (std::size_t factor = 1; factor <= analysis.pointFactorCount(); ++factor)
            headings.push_back(std::string(list.heading) + std::to_string(factor));
    const std::vector<std::string_view> headingViews(headings.begin(), headings.end());
    csv.beginTable(title, headingViews);
    std::vector<Cell> cells;
    for (const FactorPoint& point : points) {
        cells.assign({std::string_view(point.name), point.mass});
        for (const FactorValues& list : factorValues)
            cells.insert(cells.end(), (point.*list.values).begin(), (point.*list.values).end());
        csv.rowOfCells(cells);
    }
    csv.endTable();
}

} // namespace

void writeText(std::ostream& out, const CorpusListing& listing)
{
    writeTitle(out, CorpusStatistic::info.title);
    writeTotal(out, "Partition :", french::partitionCaption(listing.partition));
    if (listing.table.ofLemmas)
        writeLemmaUnit(out);
    writeTotal(out, "Formes du corpus (T) :", listing.parts.tokens);
    writeTotal(out, "Formes distinctes du corpus :", listing.parts.distinct);
    out << '\n';
    writeTextTable(out, CorpusStatistic::partTable.columns, listing.parts.parts);
    for (std::size_t column = 0; column < listing.table.columns.size(); ++column) {
        const PartSpecificities part = partSpecificities(listing.table, column);
        writeHeading(out, specificitiesHeading(part, listing.threshold) + " :");
        writeTextHeadings(out, CorpusStatistic::specificFormTable.columns);
        for (std::size_t place = 0; place < part.forms.size(); ++place)
            if (reaches(part.forms[place], listing.threshold))
                writeTextRow(out, CorpusStatistic::specificFormTable.columns, part.forms[place], place);
    }
    writeAnalysisSummary(out, listing.analysis);
}

void writeJson(JsonWriter& json, const CorpusListing& listing)
{
    json.beginObject();
    if (listing.table.ofLemmas)
        json.member("unit", std::string_view("lemmas"));
    json.key("parts").beginArray();
    for (const PartSize& part : listing.parts.parts)
        json.beginObject()
            .member("name", std::string_view(part.name))
            .member("forms", part.tokens)
            .member("distinct", part.distinct)
            .member("hapax", part.hapax)
            .endObject();
    json.endArray().key("specificities").beginArray();
    for (std::size_t column = 0; column < listing.table.columns.size(); ++column) {
        const PartSpecificities part = partSpecificities(listing.table, column);
        json.beginObject().member("part", std::string_view(part.part)).key("forms").beginArray();
        for (const PartSpecificForm& form : part.forms)
            json.beginObject()
                .member("form", std::string_view(form.form))
                .member("f", form.f)
                .member("F", form.F)
                .key("specificity")
                .value(exactNumber(form.specificity))
                .endObject();
        json.endArray().endObject();
    }
    const CorrespondenceAnalysis& analysis = listing.analysis;
    json.endArray().key("ca").beginObject().member("minFrequency", analysis.minFrequency).key("eigenvalues").beginArray();
    for (const Factor& factor : analysis.factors)
        json.value(exactNumber(factor.eigenvalue));
    json.endArray().key("parts");
    writeJsonPoints(json, "name", analysis.parts);
    json.key("forms");
    writeJsonPoints(json, "form", analysis.forms);
    json.key("partsLeftOut").beginArray();
    for (const std::string& part : analysis.partsLeftOut)
        json.text(part);
    json.endArray().endObject().endObject();
}

void writeCsv(CsvWriter& csv, const CorpusListing& listing)
{
    writeCsvTable(csv, CorpusStatistic::partTable, listing.parts.parts);
    for (std::size_t column = 0; column < listing.table.columns.size(); ++column) {
        const PartSpecificities part = partSpecificities(listing.table, column);
        const std::string title = specificitiesHeading(part, listing.threshold);
        beginCsvTable(csv, TableColumns<PartSpecificForm>{title, CorpusStatistic::specificFormColumns});
        for (std::size_t place = 0; place < part.forms.size(); ++place)
            if (reaches(part.forms[place], listing.threshold))
                writeCsvRow(csv, CorpusStatistic::specificFormTable.columns, part.forms[place], place);
        csv.endTable();
    }
    writeCsvTable(csv, CorpusStatistic::factorTable, listing.analysis.factors);
    writeCsvPoints(csv, "Analyse factorielle des correspondances : les parties", "Partie", listing.analysis,
                   listing.analysis.parts);
    writeCsvPoints(csv, "Analyse factorielle des correspondances : les formes", "Forme", listing.analysis,
                   listing.analysis.forms);
}

void writeText(std::ostream& out, const ProgressionListing& listing)
{
    writeTitle(out, ProgressionStatistic::info.title);
    if (listing.ofLemmas)
        writeLemmaUnit(out);
    for (const FormProgression& progression : listing.progressions) {
        writeHeading(out, "« " + cp1252ToUtf8(progression.form) + " » : " + std::to_string(progression.total)
                              + " attestation" + (progression.total > 1 ? "s" : "") + " dans le corpus");
        writeTextTable(out, ProgressionStatistic::table.columns, progression.steps);
    }
}

void writeJson(JsonWriter& json, const ProgressionListing& listing)
{
    json.beginObject();
    if (listing.ofLemmas)
        json.member("unit", std::string_view("lemmas"));
    json.key("forms").beginArray();
    for (const FormProgression& progression : listing.progressions) {
        json.beginObject().member("form", std::string_view(progression.form)).member("F", progression.total);
        json.key("parts").beginArray();
        for (const ProgressionStep& step : progression.steps)
            json.beginObject()
                .member("part", std::string_view(step.part))
                .member("f", step.count)
                .member("t", step.tokens)
                .key("per10000")
                .value(exactNumber(step.per10000))
                .key("specificity")
                .value(exactNumber(step.specificity))
                .endObject();
        json.endArray().endObject();
    }
    json.endArray().endObject();
}

void writeCsv(CsvWriter& csv, const ProgressionListing& listing)
{
    for (const FormProgression& progression : listing.progressions) {
        const std::string title = std::string(ProgressionStatistic::info.title) + " « " + cp1252ToUtf8(progression.form) + " »";
        writeCsvTable(csv, TableColumns<ProgressionStep>{title, ProgressionStatistic::columns}, progression.steps);
    }
}

} // namespace quorvelle::cli
