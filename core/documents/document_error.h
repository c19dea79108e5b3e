// Why a document's text could not be extracted.
#pragma once

#include "core/text/text_file.h"

#include <stdexcept>
#include <string>

namespace quorvelle {

/// A document that cannot give its text: one of FileError's document reasons, and what the
/// message names beside the file (the document's format, or the missing part of a book).
class DocumentError : public std::runtime_error {
public:
    DocumentError(FileError::Reason reason, std::string detail)
        : std::runtime_error(detail)
        , reason_(reason)
        , detail_(std::move(detail))
    {
    }

    FileError::Reason reason() const { return reason_; }
    const std::string& detail() const { return detail_; }

private:
    FileError::Reason reason_;
    std::string detail_;
};

/// The formats' names as the messages write them: "ce document Word est protégé".
namespace formatName {
inline constexpr const char* openDocument = "OpenDocument";
inline constexpr const char* word = "Word";
inline constexpr const char* epub = "EPUB";
inline constexpr const char* html = "HTML";
inline constexpr const char* pdf = "PDF";
} // namespace formatName

} // namespace quorvelle
