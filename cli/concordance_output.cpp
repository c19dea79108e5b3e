// A form's occurrences on the command line.
#include "cli/concordance_output.h"

#include "cli/french_text.h"
#include "cli/table_output.h"
#include "core/presentation/french_messages.h"
#include "core/statistics/concordance_command.h"
#include "core/text/encoding.h"

#include <algorithm>
#include <cstddef>
#include <iomanip>
#include <string>

namespace quorvelle::cli {
namespace {

// "Concordance de « le »", or of a lemma "Concordance du lemme « être »"; UTF-8.
std::string titleOf(const Concordance& concordance)
{
    std::string title = concordance.lemma.empty() ? "Concordance de « " : "Concordance du lemme « ";
    title.append(cp1252ToUtf8(concordance.lemma.empty() ? concordance.written : concordance.lemma)).append(" »");
    return title;
}

} // namespace

void writeText(std::ostream& out, const Concordance& concordance)
{
    out << titleOf(concordance) << " : " << french::occurrenceCount(concordance.occurrences.size()) << '\n';
    if (const std::string outcome = french::searchOutcome(concordance); !outcome.empty())
        out << outcome << '\n';
    out << '\n';
    std::size_t width = 0; // the widest left context
    for (const ConcordanceLine& occurrence : concordance.occurrences)
        width = std::max(width, occurrence.left.size());
    for (const ConcordanceLine& occurrence : concordance.occurrences) {
        // Code page 1252 has one byte per character: the padding aligns the forms.
        out << std::setw(7) << occurrence.line << "  " << std::string(width - occurrence.left.size(), ' ');
        writeCp1252(out, occurrence.left);
        out << "  ";
        writeCp1252(out, occurrence.form);
        out << "  ";
        writeCp1252(out, occurrence.right);
        out << '\n';
    }
}

void writeJson(JsonWriter& json, const Concordance& concordance)
{
    json.beginObject();
    if (concordance.lemma.empty())
        json.member("form", concordance.form).member("text", concordance.written);
    else
        json.member("lemma", concordance.lemma);
    if (!concordance.query.empty()) {
        json.member("query", concordance.query).key("matches").beginArray();
        for (const FormCount& match : concordance.matches)
            json.beginArray().text(match.form).value(match.count).endArray();
        json.endArray();
    }
    if (!concordance.closest.empty()) {
        json.key("closest").beginArray();
        for (const std::string& form : concordance.closest)
            json.text(form);
        json.endArray();
    }
    json.member("count", static_cast<std::int64_t>(concordance.occurrences.size())).key("occurrences").beginArray();
    for (const ConcordanceLine& occurrence : concordance.occurrences)
        json.beginObject()
            .member("line", occurrence.line)
            .member("left", occurrence.left)
            .member("form", occurrence.form)
            .member("right", occurrence.right)
            .endObject();
    json.endArray().endObject();
}

void writeCsv(CsvWriter& csv, const Concordance& concordance)
{
    const std::string title = titleOf(concordance);
    writeCsvTable(csv, TableColumns<ConcordanceLine>{title, concordanceColumns}, concordance.occurrences);
}

} // namespace quorvelle::cli
