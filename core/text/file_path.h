// File names as the program's strings hold them: UTF-8 on every system.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quorvelle {

/// The path a UTF-8 name designates. On Linux the name's bytes are kept as they are; on
/// Windows a path made from a char string would read it in the C library's code page, one
/// made from char8_t reads it as UTF-8.
inline std::filesystem::path pathFromUtf8(std::string_view name)
{
    return std::filesystem::path(std::u8string(name.begin(), name.end()));
}

/// A path's name in UTF-8 (on Linux, its bytes as they are), for messages and the names shown.
inline std::string utf8Name(const std::filesystem::path& path)
{
    const std::u8string name = path.u8string();
    return std::string(name.begin(), name.end());
}

/// The name to give a library that opens files by a char string: on Windows, one the ANSI
/// code page can spell (the short name of a path with other letters), elsewhere the path.
std::string pathForNarrowLibraries(const std::filesystem::path& path);

/// The folder of the running program's executable, or an empty path if the system cannot say.
std::filesystem::path programFolder();

} // namespace quorvelle
