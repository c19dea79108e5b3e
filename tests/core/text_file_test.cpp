// Reading files: regular files are read whole, everything else is refused by name.
#include "core/text_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace quorvelle {
namespace {

namespace fs = std::filesystem;
using Reason = FileError::Reason;

class TextFile : public testing::Test {
protected:
    void SetUp() override
    {
        directory_ = fs::temp_directory_path() / ("quorvelle-text-file-" + std::to_string(::getpid()));
        fs::create_directories(directory_);
    }
    void TearDown() override
    {
        fs::permissions(directory_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(directory_);
    }

    fs::path write(const std::string& name, const std::string& bytes)
    {
        const fs::path path = directory_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    static Reason reasonOf(const fs::path& path)
    {
        try {
            readFileBytes(path);
        } catch (const FileError& error) {
            EXPECT_EQ(error.path(), path);
            return error.reason();
        }
        ADD_FAILURE() << path << " was read";
        return Reason::ReadFailed;
    }

    fs::path directory_;
};

TEST_F(TextFile, ReadsRegularFilesWholeAndUnchanged)
{
    std::string bytes(3 << 20, 'a'); // several read chunks
    bytes += std::string("\r\n\xE9\0z", 6);
    EXPECT_EQ(readFileBytes(write("big.txt", bytes)), bytes);
    EXPECT_EQ(readFileBytes(write("empty.txt", "")), "");
}

TEST_F(TextFile, DecodesWhenLoading)
{
    EXPECT_EQ(loadTextFile(write("utf8.txt", "\xC3\xA9t\xC3\xA9")), "\xE9t\xE9");
    EXPECT_EQ(loadTextFile(write("forced.txt", "\xC3\xA9"), Encoding::Cp1252), "\xC3\xA9");
}

TEST_F(TextFile, NamesWhatCannotBeRead)
{
    EXPECT_EQ(reasonOf(directory_ / "missing.txt"), Reason::NotFound);
    EXPECT_EQ(reasonOf(""), Reason::NotFound);
    EXPECT_EQ(reasonOf(directory_), Reason::IsDirectory);
    EXPECT_EQ(reasonOf("/dev/null"), Reason::NotRegularFile);

    const fs::path fifo = directory_ / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(reasonOf(fifo), Reason::NotRegularFile); // and does not block
}

TEST_F(TextFile, RefusesFilesItMayNotRead)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    const fs::path path = write("secret.txt", "x");
    fs::permissions(path, fs::perms::none);
    EXPECT_EQ(reasonOf(path), Reason::PermissionDenied);
}

} // namespace
} // namespace quorvelle
