// Writing a result on standard output in the format the command line asks for.
#pragma once

#include "cli/arguments.h"
#include "cli/csv_writer.h"
#include "cli/json_writer.h"
#include "core/text/letters.h"

#include <functional>
#include <ostream>

namespace quorvelle::cli {

/// The writers of one result, one per format.
struct FormatWriters {
    std::function<void(std::ostream&)> text;
    std::function<void(JsonWriter&)> json;
    std::function<void(CsvWriter&)> csv;
};

/// Writes the result on standard output as the format says: French text, one JSON document
/// followed by a line break, or CSV tables after the byte-order mark. A result computed under
/// the extended letter rule says so at its head: the JSON document by its first member, the
/// text and the CSV by a line of their own; the classic rule, the default, goes without saying.
void writeFormatted(OutputFormat format, LetterRule letters, const FormatWriters& writers);

} // namespace quorvelle::cli
