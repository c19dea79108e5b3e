// CSV tables on a stream.
#include "cli/csv_writer.h"

#include "cli/french_text.h"
#include "core/presentation/csv.h"
#include "core/text/encoding.h"

namespace quorvelle::cli {

void CsvWriter::beginTable(std::string_view title, std::span<const std::string_view> headings)
{
    row(Utf8Field{title});
    fields_.clear();
    for (const std::string_view heading : headings)
        fields_.emplace_back(heading);
    writeLine();
}

void CsvWriter::endTable()
{
    out_ << "\r\n";
}

std::string CsvWriter::field(std::string_view cp1252)
{
    return cp1252ToUtf8(cp1252);
}

std::string CsvWriter::field(const std::optional<double>& number)
{
    return frenchNumber(number);
}

void CsvWriter::writeLine()
{
    out_ << csvLine(fields_);
}

} // namespace quorvelle::cli
