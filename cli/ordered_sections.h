// Computing the sections of a listing on several threads and writing them in their order.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace quorvelle::cli {

/// How one section is produced: streamed straight to the output, or rendered into memory
/// and written later.
struct SectionWriters {
    std::function<void(std::size_t section)> stream;
    std::function<std::string(std::size_t section)> render;
    std::function<void(std::size_t section, const std::string& rendered)> write;
};

/// Writes sections 0 to count − 1 in order. The calling thread streams every section that no
/// helper has started; up to jobs − 1 helper threads, no more than there are other sections and
/// as many as the system can start, render the sections just ahead of it into memory, each
/// written as soon as its turn comes. Helpers stay within jobs − 1 sections of the one being
/// written, so memory holds at most that many rendered sections. A helper that runs out of
/// memory hands its section back to the other threads and stops. Any other exception thrown
/// while a section is produced or written, and the caller's own lack of memory, is thrown
/// again here once the helpers have stopped.
void writeSectionsInOrder(std::size_t count, unsigned jobs, const SectionWriters& writers);

} // namespace quorvelle::cli
