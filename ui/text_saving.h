// Saving a text box's text in UTF-8 or in code page 1252.
#pragma once

#include "core/text/encoding.h"

#include <QString>

namespace quorvelle::ui {

/// Writes text to path in encoding, UTF-8 (without a byte-order mark) or code page 1252, its
/// line ends as they are, whole or not at all (see saveWhole). A text with a character that
/// code page 1252 does not hold is not written in it. Returns an empty string on success,
/// otherwise the reason of the failure in French.
QString saveText(const QString& path, const QString& text, Encoding encoding);

} // namespace quorvelle::ui
