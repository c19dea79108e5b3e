// Benchmark text made of real French: the paragraphs of the corpus texts, shuffled.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quorvelle::bench {

/// The code page 1252 texts of the corpus folder (their UTF-8 copies left out), in name order.
std::vector<std::string> corpusTexts(const std::string& folder);

/// About `bytes` bytes made of the paragraphs of texts, each paragraph with its own line ends:
/// the texts concatenated, then repeated with their paragraphs in a new order each time,
/// shuffled by seed, until the size is reached. Real sentences, real punctuation, real
/// vocabulary; the same seed gives the same text on every machine.
std::string realFrenchText(const std::vector<std::string>& texts, std::size_t bytes, std::uint64_t seed);

} // namespace quorvelle::bench
