// Runs the built quorvelle-cli and captures what it prints.
#pragma once

#include <string>

namespace quorvelle::test {

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

/// Runs quorvelle-cli with the given arguments, already quoted for the shell.
CliRun runCli(const std::string& arguments);

/// Quotes a path for the shell.
std::string quoted(const std::string& path);

} // namespace quorvelle::test
