// Shared French text output.
#include "cli/french_text.h"

#include "core/encoding.h"
#include "core/number_format.h"

namespace quorvelle::cli {

std::string frenchNumber(const std::optional<double>& value)
{
    return value ? formatNumber(*value, frenchDecimalSeparator) : std::string();
}

void writeCp1252(std::ostream& out, std::string_view cp1252)
{
    out << cp1252ToUtf8(cp1252);
}

void writeFormLine(std::ostream& out, std::string_view cp1252Form, std::int64_t count, int blanks)
{
    writeCp1252(out, cp1252Form);
    out << std::string(static_cast<std::size_t>(blanks), ' ') << '(' << count << ")\n";
}

void writeFormLines(std::ostream& out, std::span<const FormCount> forms, int blanks)
{
    for (const FormCount& form : forms)
        writeFormLine(out, form.form, form.count, blanks);
}

void writeTitle(std::ostream& out, std::string_view title)
{
    out << title << "\n\n";
}

} // namespace quorvelle::cli
