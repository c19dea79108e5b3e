// The texts the monkey opens.
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

namespace quorvelle::monkey {

/// Copies the corpus's texts into folder and writes the degenerate ones beside them: empty,
/// without a letter, one line of 5 MB, random bytes, UTF-8 with characters outside code page
/// 1252, mixed line ends. Returns their paths in a fixed order, or an empty list when the
/// corpus cannot be read.
QStringList writeMonkeyTexts(const QString& corpusFolder, const QString& folder, std::uint64_t seed);

} // namespace quorvelle::monkey
