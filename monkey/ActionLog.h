// The record of what the monkey did: a file written as it goes, and the last actions kept for
// the report of a hang.
#pragma once

#include <QString>

#include <cstdint>
#include <cstdio>
#include <deque>
#include <mutex>
#include <string>

namespace quorvelle::monkey {

class ActionLog {
public:
    /// Appends to the file at path; each line reaches the file before the action runs.
    explicit ActionLog(const QString& path);
    ~ActionLog();
    ActionLog(const ActionLog&) = delete;
    ActionLog& operator=(const ActionLog&) = delete;

    /// Numbers and records one action.
    void record(const QString& description);
    /// The number of actions recorded.
    std::uint64_t count() const;
    /// The last actions, one per line, oldest first. Safe from any thread.
    std::string lastActions() const;

private:
    static constexpr std::size_t keptActions = 30;

    std::FILE* file_ = nullptr;
    mutable std::mutex mutex_;
    std::deque<std::string> last_;
    std::uint64_t count_ = 0;
};

} // namespace quorvelle::monkey
