// Benchmark texts cut into the parts of a corpus by marker lines.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quorvelle::bench {

/// The text cut into parts of about the same size: before the line where each part starts, a
/// marker line "**** *auteur_A *partie_K", the parts' authors taking five values in turn.
std::string markedInParts(std::string_view text, std::size_t parts);

} // namespace quorvelle::bench
