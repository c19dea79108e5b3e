// Reading the parts of a zip container held in memory, within a bound.
#pragma once

#include "core/text/text_file.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

struct zip;

namespace quorvelle {

/// A zip archive over bytes the caller keeps alive. Every failure throws DocumentError naming
/// the document's format: a damaged or truncated archive, an encrypted part, parts that
/// decompress beyond maxDecompressedDocumentBytes (counted while decompressing, whatever the
/// archive claims).
class ZipArchive {
public:
    ZipArchive(std::string_view bytes, std::string format);
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    /// The document format errors are reported for, once the archive's contents tell it.
    void setFormat(std::string format) { format_ = std::move(format); }
    const std::string& format() const { return format_; }

    bool contains(std::string_view name) const;
    /// The part's bytes, or nothing when the archive has no part of that name.
    std::optional<std::string> read(std::string_view name);

private:
    struct Discard {
        void operator()(zip* archive) const;
    };
    std::unique_ptr<zip, Discard> archive_;
    std::string format_;
    std::size_t bytesLeft_ = maxDecompressedDocumentBytes;
};

} // namespace quorvelle
