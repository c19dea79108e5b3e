// The commands that study a corpus of parts, as quorvelle-cli runs them.
#pragma once

#include "cli/arguments.h"
#include "core/catalogue/statistic_register.h"

#include <string_view>

namespace quorvelle::cli {

/// A command of the register that studies a corpus read from the command line's files.
struct CorpusCommand {
    CorpusCommandInfo info;
};

/// The corpus command of that name, or nullptr.
const CorpusCommand* findCorpusCommand(std::string_view name);

/// Reads the corpus of the command line's files, says on standard error what its making
/// noticed, and writes the command's result on standard output. Returns the exit status:
/// 1 for files that cannot be read or a corpus whose parts cannot be compared.
int runCorpusCommand(const CorpusCommand& command, const Arguments& arguments);

} // namespace quorvelle::cli
