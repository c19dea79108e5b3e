// Whole-file reading with every failure named.
#include "core/text/text_file.h"

#include "core/text/file_path.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <new>

namespace quorvelle {
namespace {

using Reason = FileError::Reason;

constexpr std::size_t readChunkBytes = 1 << 20;

const char* describe(Reason reason)
{
    switch (reason) {
    case Reason::NotFound:
        return "file not found";
    case Reason::IsDirectory:
        return "is a directory";
    case Reason::NotRegularFile:
        return "not a regular file";
    case Reason::PermissionDenied:
        return "permission denied";
    case Reason::TooLarge:
        return "file too large";
    case Reason::ReadFailed:
        return "read failed";
    case Reason::DamagedDocument:
        return "damaged document";
    case Reason::ProtectedDocument:
        return "protected document";
    case Reason::ImagesOnlyDocument:
        return "document without text";
    case Reason::DocumentTooLarge:
        return "document too large once decompressed";
    case Reason::UnsafeDocument:
        return "document declaring XML entities";
    case Reason::NotADocument:
        return "archive that is not a document";
    case Reason::OldOfficeDocument:
        return "Word 97-2003 document";
    case Reason::MissingDocumentPart:
        return "document part missing";
    case Reason::DocumentReadersMissing:
        return "document readers' module not found";
    case Reason::DocumentReadersUnusable:
        return "document readers' module unusable";
    }
    return "read failed";
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

void checkIsRegularFile(const std::filesystem::path& path)
{
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found || path.empty())
        throw FileError(Reason::NotFound, path);
    if (error)
        throw FileError(error == std::errc::permission_denied ? Reason::PermissionDenied : Reason::ReadFailed, path);
    if (status.type() == std::filesystem::file_type::directory)
        throw FileError(Reason::IsDirectory, path);
    if (status.type() != std::filesystem::file_type::regular)
        throw FileError(Reason::NotRegularFile, path);
}

} // namespace

FileError::FileError(Reason reason, std::filesystem::path path, std::string detail)
    : std::runtime_error(utf8Name(path) + ": " + describe(reason))
    , reason_(reason)
    , path_(std::move(path))
    , detail_(std::move(detail))
{
}

std::string readStreamBytes(std::FILE* stream, const std::filesystem::path& path, std::size_t expectedSize)
{
    std::string bytes;
    try {
        bytes.reserve(expectedSize + readChunkBytes);
        std::size_t length = 0;
        for (;;) {
            if (length > maxTextFileBytes)
                throw FileError(Reason::TooLarge, path);
            bytes.resize(length + readChunkBytes);
            const std::size_t read = std::fread(bytes.data() + length, 1, readChunkBytes, stream);
            length += read;
            if (read < readChunkBytes)
                break;
        }
        bytes.resize(length);
    } catch (const std::bad_alloc&) {
        throw FileError(Reason::TooLarge, path);
    }
    if (std::ferror(stream))
        throw FileError(Reason::ReadFailed, path);
    if (bytes.size() > maxTextFileBytes)
        throw FileError(Reason::TooLarge, path);
    return bytes;
}

std::string readFileBytes(const std::filesystem::path& path)
{
    checkIsRegularFile(path);

    errno = 0;
#ifdef _WIN32
    const std::unique_ptr<std::FILE, FileCloser> file(_wfopen(path.c_str(), L"rb"));
#else
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
#endif
    if (!file) {
        if (errno == EACCES || errno == EPERM)
            throw FileError(Reason::PermissionDenied, path);
        if (errno == ENOENT)
            throw FileError(Reason::NotFound, path);
        throw FileError(Reason::ReadFailed, path);
    }

    std::error_code sizeError;
    const std::uintmax_t expectedSize = std::filesystem::file_size(path, sizeError);
    if (!sizeError && expectedSize > maxTextFileBytes)
        throw FileError(Reason::TooLarge, path);

    return readStreamBytes(file.get(), path, sizeError ? 0 : static_cast<std::size_t>(expectedSize));
}

std::string readStandardInputBytes()
{
    return readStreamBytes(stdin, standardInputName, 0);
}

} // namespace quorvelle
