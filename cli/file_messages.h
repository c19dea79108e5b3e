// French messages for files that cannot be read.
#pragma once

#include "core/text_file.h"

#include <string>

namespace quorvelle::cli {

/// One French sentence naming the file and the reason.
std::string fileErrorMessage(const FileError& error);

} // namespace quorvelle::cli
