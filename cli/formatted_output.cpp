// One result in the command line's format, headed by its letter rule.
#include "cli/formatted_output.h"

#include "core/presentation/csv.h"
#include "core/presentation/french_messages.h"

#include <iostream>

namespace quorvelle::cli {

void writeFormatted(OutputFormat format, LetterRule letters, const FormatWriters& writers)
{
    const bool extended = letters == LetterRule::Extended;
    switch (format) {
    case OutputFormat::Json: {
        JsonWriter json(std::cout);
        if (extended)
            json.startDocumentWith("letterRule", "extended");
        writers.json(json);
        std::cout << '\n';
        break;
    }
    case OutputFormat::Csv: {
        std::cout << csvByteOrderMark;
        CsvWriter csv(std::cout);
        if (extended) {
            csv.row(Utf8Field{french::letterRuleLine(letters)});
            csv.endTable();
        }
        writers.csv(csv);
        break;
    }
    case OutputFormat::Text:
        if (extended)
            std::cout << french::letterRuleLine(letters) << "\n\n";
        writers.text(std::cout);
        break;
    }
}

} // namespace quorvelle::cli
