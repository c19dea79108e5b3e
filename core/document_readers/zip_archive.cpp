// libzip over a buffer, reading part by part.
#include "core/document_readers/zip_archive.h"

#include "core/documents/document_error.h"

#include <zip.h>

#include <algorithm>

namespace quorvelle {
namespace {

using Reason = FileError::Reason;

struct FileCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

bool isPasswordError(int code)
{
    return code == ZIP_ER_NOPASSWD || code == ZIP_ER_WRONGPASSWD || code == ZIP_ER_ENCRNOTSUPP;
}

} // namespace

void ZipArchive::Discard::operator()(zip* archive) const
{
    zip_discard(archive);
}

ZipArchive::ZipArchive(std::string_view bytes, std::string format)
    : format_(std::move(format))
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    if (!source)
        throw std::bad_alloc();
    archive_.reset(zip_open_from_source(source, ZIP_RDONLY, &error));
    zip_error_fini(&error);
    if (!archive_) {
        zip_source_free(source);
        throw DocumentError(Reason::DamagedDocument, format_);
    }
}

ZipArchive::~ZipArchive() = default;

bool ZipArchive::contains(std::string_view name) const
{
    return zip_name_locate(archive_.get(), std::string(name).c_str(), 0) >= 0;
}

std::optional<std::string> ZipArchive::read(std::string_view name)
{
    const zip_int64_t index = zip_name_locate(archive_.get(), std::string(name).c_str(), 0);
    if (index < 0)
        return std::nullopt;
    const std::unique_ptr<zip_file_t, FileCloser> file(
        zip_fopen_index(archive_.get(), static_cast<zip_uint64_t>(index), 0));
    if (!file) {
        const int code = zip_error_code_zip(zip_get_error(archive_.get()));
        throw DocumentError(isPasswordError(code) ? Reason::ProtectedDocument : Reason::DamagedDocument, format_);
    }

    std::string bytes;
    constexpr std::size_t chunkBytes = 1 << 16;
    for (;;) {
        // One byte beyond what is left tells a part that goes over the bound.
        const std::size_t wanted = std::min(chunkBytes, bytesLeft_ + 1);
        const std::size_t length = bytes.size();
        bytes.resize(length + wanted);
        const zip_int64_t read = zip_fread(file.get(), bytes.data() + length, wanted);
        if (read < 0)
            throw DocumentError(Reason::DamagedDocument, format_);
        bytes.resize(length + static_cast<std::size_t>(read));
        if (static_cast<std::size_t>(read) > bytesLeft_)
            throw DocumentError(Reason::DocumentTooLarge, format_);
        bytesLeft_ -= static_cast<std::size_t>(read);
        if (read == 0)
            break;
    }
    return bytes;
}

} // namespace quorvelle
