// The program's folder and the names libraries are given, on Linux and on Windows.
#include "core/text/file_path.h"

#ifdef _WIN32
#include <windows.h>
#endif

#include <algorithm>
#include <system_error>
#include <vector>

namespace quorvelle {

#ifdef _WIN32

namespace {

// A wide string of the system, as a Windows function fills it: grown until it fits.
template <typename Fill>
std::wstring systemString(Fill fill)
{
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = fill(buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return {};
        if (length < buffer.size())
            return std::wstring(buffer.data(), length);
        buffer.resize(std::max<std::size_t>(buffer.size() * 2, length + 1));
    }
}

} // namespace

std::string pathForNarrowLibraries(const std::filesystem::path& path)
{
    // A name of ASCII letters goes as it is; another one by its short form, which is
    // ASCII where the volume keeps short names.
    const std::wstring& wide = path.native();
    std::wstring name = wide;
    if (std::any_of(wide.begin(), wide.end(), [](wchar_t letter) { return letter > 0x7F; })) {
        std::wstring shortName =
            systemString([&](wchar_t* buffer, DWORD size) { return GetShortPathNameW(wide.c_str(), buffer, size); });
        if (!shortName.empty())
            name = std::move(shortName);
    }
    const int length =
        WideCharToMultiByte(CP_ACP, 0, name.c_str(), static_cast<int>(name.size()), nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, name.c_str(), static_cast<int>(name.size()), narrow.data(), length, nullptr,
                        nullptr);
    return narrow;
}

std::filesystem::path programFolder()
{
    const std::wstring program =
        systemString([](wchar_t* buffer, DWORD size) { return GetModuleFileNameW(nullptr, buffer, size); });
    return program.empty() ? std::filesystem::path() : std::filesystem::path(program).parent_path();
}

#else

std::string pathForNarrowLibraries(const std::filesystem::path& path)
{
    return path.string();
}

std::filesystem::path programFolder()
{
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : program.parent_path();
}

#endif

} // namespace quorvelle
