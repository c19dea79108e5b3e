// Shuffling the corpus paragraphs into benchmark text.
#include "bench/real_french_text.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string_view>

namespace quorvelle::bench {
namespace {

// Where the line that starts at position ends, its line end included.
std::size_t lineEnd(std::string_view text, std::size_t position)
{
    const std::size_t newline = text.find('\n', position);
    return newline == std::string_view::npos ? text.size() : newline + 1;
}

bool emptyLineAt(std::string_view text, std::size_t position)
{
    return text.substr(position).starts_with("\n") || text.substr(position).starts_with("\r\n");
}

// The paragraphs of a text, each with the line ends that follow it: wrapped texts separate
// their paragraphs by an empty line, the others put one paragraph on each line.
std::vector<std::string_view> paragraphs(std::string_view text)
{
    const bool wrapped = text.find("\n\n") != std::string_view::npos || text.find("\n\r\n") != std::string_view::npos;
    std::vector<std::string_view> found;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = lineEnd(text, start);
        while (wrapped && end < text.size() && !emptyLineAt(text, end))
            end = lineEnd(text, end);
        if (wrapped && end < text.size())
            end = lineEnd(text, end);
        found.push_back(text.substr(start, end - start));
        start = end;
    }
    return found;
}

} // namespace

std::vector<std::string> corpusTexts(const std::string& folder)
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.ends_with(".txt") && !name.ends_with(".utf8.txt"))
            files.push_back(entry.path());
    }
    std::ranges::sort(files);
    std::vector<std::string> texts;
    for (const auto& file : files) {
        std::ifstream in(file, std::ios::binary);
        texts.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return texts;
}

std::string realFrenchText(const std::vector<std::string>& texts, std::size_t bytes, std::uint64_t seed)
{
    std::vector<std::string_view> pool;
    for (const std::string& text : texts) {
        const std::vector<std::string_view> found = paragraphs(text);
        pool.insert(pool.end(), found.begin(), found.end());
    }
    std::string result;
    result.reserve(bytes + 4096);
    std::mt19937_64 random(seed);
    std::vector<std::string_view> order = pool;
    for (bool first = true; !pool.empty() && result.size() < bytes; first = false) {
        if (!first)
            std::shuffle(order.begin(), order.end(), random);
        for (const std::string_view paragraph : order) {
            if (result.size() >= bytes)
                break;
            result += paragraph;
        }
    }
    return result;
}

} // namespace quorvelle::bench
