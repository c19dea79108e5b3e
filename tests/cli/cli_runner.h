// Runs the built quorvelle-cli and captures what it prints.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

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

/// A file of the temporary directory holding the given bytes, removed with the object.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string_view bytes);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    /// The path, quoted for the shell.
    std::string argument() const { return quoted(path_.string()); }

private:
    std::filesystem::path path_;
};

} // namespace quorvelle::test
