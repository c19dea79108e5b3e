// A reproducible generator of French-like text, for the benchmarks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace quorvelle::bench {

/// The seed of the texts the benchmarks time.
inline constexpr std::uint64_t defaultSeed = 2026;

/// About `bytes` bytes of code page 1252 text that reads like French prose to the program:
/// Zipf-distributed words (real function words first, then made-up words with accents),
/// sentences with capitals, commas, elisions, hyphens, numbers, dialogue marks and CR LF
/// paragraphs. The same seed always gives the same text, on every machine.
std::string generateFrenchLikeText(std::size_t bytes, std::uint64_t seed = defaultSeed);

} // namespace quorvelle::bench
