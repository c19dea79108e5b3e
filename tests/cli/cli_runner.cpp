// Running the CLI through the shell, output captured in temporary files.
#include "cli/cli_runner.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace quorvelle::test {
namespace {

std::string slurp(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

} // namespace

std::string quoted(const std::string& path)
{
    std::string result = "'";
    for (const char c : path)
        result += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return result + "'";
}

CliRun runCli(const std::string& arguments)
{
    const auto base = std::filesystem::temp_directory_path() / ("quorvelle-cli-" + std::to_string(::getpid()));
    const auto outPath = base.string() + ".out";
    const auto errPath = base.string() + ".err";
    const std::string command = quoted(QUORVELLE_CLI) + " " + arguments + " >" + quoted(outPath) + " 2>" + quoted(errPath);
    const int status = std::system(command.c_str());

    CliRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = slurp(outPath);
    run.err = slurp(errPath);
    std::filesystem::remove(outPath);
    std::filesystem::remove(errPath);
    return run;
}

TemporaryFile::TemporaryFile(std::string_view bytes)
{
    static int created = 0;
    path_ = std::filesystem::temp_directory_path()
        / ("quorvelle-text-" + std::to_string(::getpid()) + "-" + std::to_string(++created) + ".txt");
    std::ofstream(path_, std::ios::binary) << bytes;
}

TemporaryFile::~TemporaryFile()
{
    std::filesystem::remove(path_);
}

} // namespace quorvelle::test
