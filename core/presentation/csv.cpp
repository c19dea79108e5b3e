// Writing CSV lines.
#include "core/presentation/csv.h"

namespace quorvelle {
namespace {

void appendField(std::string& line, std::string_view field)
{
    if (field.find_first_of(";\"\r\n") == std::string_view::npos) {
        line += field;
        return;
    }
    line += '"';
    for (const char c : field) {
        if (c == '"')
            line += '"';
        line += c;
    }
    line += '"';
}

} // namespace

std::string csvLine(std::span<const std::string> fields)
{
    std::string line;
    for (std::size_t index = 0; index < fields.size(); ++index) {
        if (index > 0)
            line += ';';
        appendField(line, fields[index]);
    }
    line += "\r\n";
    return line;
}

} // namespace quorvelle
