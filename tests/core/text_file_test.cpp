// Reading files whole. What cannot be read is named by the CLI's messages, where each
// reason shows.
#include "core/text/text_file.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace quorvelle {
namespace {

TEST(TextFile, ReadsRegularFilesWholeAndUnchanged)
{
    const auto path = std::filesystem::temp_directory_path() / ("quorvelle-text-file-" + std::to_string(::getpid()));
    std::string bytes(3 << 20, 'a'); // several read chunks
    bytes += std::string("\r\n\xE9\0z", 6);
    for (const std::string& content : {bytes, std::string()}) {
        std::ofstream(path, std::ios::binary) << content;
        EXPECT_EQ(readFileBytes(path), content);
    }
    std::filesystem::remove(path);
}

} // namespace
} // namespace quorvelle
