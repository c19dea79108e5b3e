// What the command line needs of the system it runs on: its words in UTF-8, and standard
// streams that pass bytes as they are.
#pragma once

#include <string>
#include <vector>

namespace quorvelle::cli {

/// The words of the command line after the program's name, in UTF-8: on Windows read again
/// from the system in UTF-16, whatever the ANSI code page; elsewhere the bytes as given.
std::vector<std::string> commandLineWords(int argc, char* argv[]);

/// Makes the standard streams pass bytes as they are. On Windows that means no CR written
/// before each LF nor taken from the input, no Ctrl+Z ending it, and a console that shows
/// UTF-8 while the program runs; elsewhere there is nothing to do.
void passStandardStreamsAsBytes();

} // namespace quorvelle::cli
