// Cells of the catalogue's tables in the French text output and in JSON.
#include "cli/table_output.h"

#include <variant>

namespace quorvelle::cli {

void writeTextCell(std::ostream& out, const Cell& cell)
{
    std::visit(
        [&out](const auto& value) {
            using Value = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<Value, std::string_view>)
                writeCp1252(out, value);
            else if constexpr (std::is_same_v<Value, double>)
                out << frenchNumber(value);
            else
                out << value;
        },
        cell);
}

void writeJsonCell(JsonWriter& json, const Cell& cell)
{
    std::visit(
        [&json](const auto& value) {
            using Value = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<Value, std::string_view>)
                json.text(value);
            else if constexpr (std::is_same_v<Value, double>)
                json.number(value);
            else
                json.integer(value);
        },
        cell);
}

} // namespace quorvelle::cli
