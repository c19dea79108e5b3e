// The commands that study one form of the text, as quorvelle-cli writes them.
#pragma once

#include "cli/arguments.h"
#include "cli/csv_writer.h"
#include "cli/json_writer.h"
#include "core/catalogue/statistic_register.h"

#include <ostream>
#include <string_view>

namespace quorvelle::cli {

/// A command of the register that studies the command line's form in a text.
struct FormCommand {
    FormCommandInfo info;
    /// Computes the report and writes it as French text (UTF-8), explained when the command
    /// line asks.
    void (*writeText)(const Arguments&, std::string_view text, std::ostream&);
    /// Computes the report and writes it as one JSON value.
    void (*writeJson)(const Arguments&, std::string_view text, JsonWriter&);
    /// Computes the report and writes its table as CSV.
    void (*writeCsv)(const Arguments&, std::string_view text, CsvWriter&);
};

/// The form command of that name, or nullptr.
const FormCommand* findFormCommand(std::string_view name);

} // namespace quorvelle::cli
