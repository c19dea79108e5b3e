// The commands that study a corpus of parts, as quorvelle-cli runs them.
#pragma once

#include "cli/arguments.h"
#include "cli/csv_writer.h"
#include "cli/json_writer.h"
#include "core/catalogue/statistic_register.h"
#include "core/corpus/lexical_table.h"

#include <ostream>
#include <stdexcept>
#include <string_view>

namespace quorvelle::cli {

/// A command of the register that studies a corpus read from the command line's files.
struct CorpusCommand {
    CorpusCommandInfo info;
    /// Computes the command's result from the table and writes it as French text (UTF-8).
    void (*writeText)(const Arguments&, const LexicalTable&, std::ostream&);
    /// The same as one JSON value.
    void (*writeJson)(const Arguments&, const LexicalTable&, JsonWriter&);
    /// The same as CSV tables.
    void (*writeCsv)(const Arguments&, const LexicalTable&, CsvWriter&);
};

/// The corpus command of that name, or nullptr.
const CorpusCommand* findCorpusCommand(std::string_view name);

/// A corpus whose parts the command line cannot compare; what() is a French sentence.
class CorpusError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// The table of the corpus's parts grouped as the command line's partition says. Throws
/// CorpusError when the corpus has no such variable, or fewer than two groups.
LexicalTable corpusTable(const Corpus& corpus, const Arguments& arguments);

/// Reads the corpus of the command line's files, says on standard error what its making
/// noticed, and writes the command's result on standard output. Returns the exit status:
/// 1 for files that cannot be read or a corpus whose parts cannot be compared.
int runCorpusCommand(const CorpusCommand& command, const Arguments& arguments);

} // namespace quorvelle::cli
