// Reading files whole. What cannot be read is named by the CLI's messages, where each
// reason shows.
#include "core/text/text_file.h"

#include <gtest/gtest.h>

#include <sys/types.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

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

// The faulty streams below are glibc's custom streams (fopencookie).
#ifdef __GLIBC__
// A file seen through a stream whose reads fail with EIO once failAt bytes are read.
struct FaultyFile {
    std::string_view bytes;
    std::size_t failAt;
    std::size_t position = 0;

    static ssize_t read(void* cookie, char* buffer, std::size_t size)
    {
        auto& file = *static_cast<FaultyFile*>(cookie);
        if (file.position >= file.failAt) {
            errno = EIO;
            return -1;
        }
        const std::size_t count = std::min({size, file.bytes.size() - file.position, file.failAt - file.position});
        std::memcpy(buffer, file.bytes.data() + file.position, count);
        file.position += count;
        return static_cast<ssize_t>(count);
    }
};

// The size measured before reading is only a hint: a file that grew since is read whole, one
// that shrank as it is; a read that fails, even after whole chunks, is said, never taken for
// the end of the file.
TEST(TextFile, StreamsThatChangeOrFailWhileRead)
{
    constexpr std::size_t chunk = 1 << 20;
    const std::string bytes(3 * chunk + 3, 'a');
    const struct {
        const char* name;
        std::size_t expectedSize;
        std::size_t failAt; // npos: never
    } cases[] = {
        {"grew", chunk, std::string::npos},
        {"shrank", 5 * chunk, std::string::npos},
        {"failed midway", bytes.size(), chunk + chunk / 2},
        {"failed after a whole chunk", bytes.size(), chunk},
    };
    for (const auto& [name, expectedSize, failAt] : cases) {
        FaultyFile file{bytes, failAt};
        std::FILE* stream = ::fopencookie(&file, "rb", {&FaultyFile::read, nullptr, nullptr, nullptr});
        ASSERT_NE(stream, nullptr);
        std::optional<std::string> read;
        try {
            read = readStreamBytes(stream, name, expectedSize);
        } catch (const FileError& error) {
            EXPECT_EQ(error.reason(), FileError::Reason::ReadFailed) << name;
        }
        std::fclose(stream);
        EXPECT_EQ(read.has_value(), failAt == std::string::npos) << name;
        EXPECT_TRUE(!read || *read == bytes) << name;
    }
}
#endif

} // namespace
} // namespace quorvelle
