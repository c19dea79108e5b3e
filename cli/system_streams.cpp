// The command line's words and the standard streams, on Linux and on Windows.
#include "cli/system_streams.h"

#ifdef _WIN32
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <io.h>
#include <memory>
#endif

namespace quorvelle::cli {

#ifdef _WIN32

namespace {

struct LocalMemoryFreer {
    void operator()(LPWSTR* memory) const { LocalFree(memory); }
};

std::string utf8Of(const wchar_t* word)
{
    const int length = WideCharToMultiByte(CP_UTF8, 0, word, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 1)
        return {};
    std::string utf8(static_cast<std::size_t>(length - 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, word, -1, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

UINT consoleCodePageBefore = 0;

} // namespace

std::vector<std::string> commandLineWords(int argc, char* argv[])
{
    int count = 0;
    const std::unique_ptr<LPWSTR, LocalMemoryFreer> words(CommandLineToArgvW(GetCommandLineW(), &count));
    if (!words || count != argc)
        return std::vector<std::string>(argv + 1, argv + argc);
    std::vector<std::string> utf8Words;
    for (int index = 1; index < count; ++index)
        utf8Words.push_back(utf8Of(words.get()[index]));
    return utf8Words;
}

void passStandardStreamsAsBytes()
{
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    // The console keeps its code page after the program: it gets its own back at the end.
    consoleCodePageBefore = GetConsoleOutputCP();
    if (consoleCodePageBefore != 0 && consoleCodePageBefore != CP_UTF8 && SetConsoleOutputCP(CP_UTF8))
        std::atexit([] { SetConsoleOutputCP(consoleCodePageBefore); });
}

#else

std::vector<std::string> commandLineWords(int argc, char* argv[])
{
    return std::vector<std::string>(argv + 1, argv + argc);
}

void passStandardStreamsAsBytes()
{
}

#endif

} // namespace quorvelle::cli
