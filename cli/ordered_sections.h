// Computing the sections of a listing on several threads and writing them in their order.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace quorvelle::cli {

/// Renders sections 0 to count − 1 with render, on up to jobs threads at once, and hands each
/// to write on the calling thread, in order, as soon as it and every earlier section are ready.
/// No thread starts a section more than jobs places ahead of the next one to write, so at most
/// jobs sections are held in memory at a time. An exception thrown by render is thrown again
/// here once the threads have stopped.
void writeSectionsInOrder(std::size_t count, unsigned jobs, const std::function<std::string(std::size_t)>& render,
                          const std::function<void(std::size_t, const std::string&)>& write);

} // namespace quorvelle::cli
