// Reading a file's bytes whole, safely, and the bounds of what the program reads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quorvelle {

/// The largest file the program reads: beyond it a text no longer fits the program's
/// 32-bit form numbering, and no teaching text comes near it.
inline constexpr std::uintmax_t maxTextFileBytes = std::uintmax_t{2} << 30;

/// The most bytes the program decompresses from one document, all parts together: far above
/// the text of any book, far below what would exhaust memory, so that a zip bomb stops here.
inline constexpr std::size_t maxDecompressedDocumentBytes = std::size_t{256} << 20;

/// Why a file could not be read.
class FileError : public std::runtime_error {
public:
    enum class Reason {
        NotFound,
        IsDirectory,
        NotRegularFile, ///< a device, a FIFO, a socket: reading it could block or never end
        PermissionDenied,
        TooLarge, ///< above maxTextFileBytes, or more than memory can hold
        ReadFailed,
        // A document whose text cannot be extracted; detail() names its format.
        DamagedDocument,     ///< a corrupt or truncated archive or PDF
        ProtectedDocument,   ///< a password or a digital lock
        ImagesOnlyDocument,  ///< a PDF without text: scanned pages
        DocumentTooLarge,    ///< parts that decompress beyond the program's bound
        UnsafeDocument,      ///< XML declaring entities
        NotADocument,        ///< a zip archive that is no text document
        OldOfficeDocument,   ///< a Word 97-2003 binary document
        MissingDocumentPart, ///< a book's document absent from its archive; detail() names it
        // A document the program cannot read at all; detail() is the path of its readers' module.
        DocumentReadersMissing,  ///< the module is not where the program looks for it
        DocumentReadersUnusable, ///< the module does not load, or is of another version
    };

    FileError(Reason reason, std::filesystem::path path, std::string detail = {});

    Reason reason() const { return reason_; }
    const std::filesystem::path& path() const { return path_; }
    /// For a document: its format, the part missing from it, or the readers' module.
    const std::string& detail() const { return detail_; }

private:
    Reason reason_;
    std::filesystem::path path_;
    std::string detail_;
};

/// The bytes of a regular file. Throws FileError for anything else.
std::string readFileBytes(const std::filesystem::path& path);

/// The bytes of stream from where it stands to its end, within maxTextFileBytes; a failure
/// of the stream throws FileError naming path, never returns the part read before it.
/// expectedSize is only a hint: the file may have grown or shrunk since it was measured.
std::string readStreamBytes(std::FILE* stream, const std::filesystem::path& path, std::size_t expectedSize);

/// The name that stands for standard input.
inline constexpr std::string_view standardInputName = "-";

/// The bytes of standard input, to its end, within the same bound as a file.
std::string readStandardInputBytes();

} // namespace quorvelle
