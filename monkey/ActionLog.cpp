#include "monkey/ActionLog.h"

#include <QFile>

namespace quorvelle::monkey {

ActionLog::ActionLog(const QString& path)
    : file_(std::fopen(QFile::encodeName(path).constData(), "w"))
{
}

ActionLog::~ActionLog()
{
    if (file_)
        std::fclose(file_);
}

void ActionLog::record(const QString& description)
{
    const std::lock_guard lock(mutex_);
    ++count_;
    std::string line = std::to_string(count_) + "  " + description.toStdString();
    if (file_) {
        std::fprintf(file_, "%s\n", line.c_str());
        std::fflush(file_);
    }
    last_.push_back(std::move(line));
    if (last_.size() > keptActions)
        last_.pop_front();
}

std::uint64_t ActionLog::count() const
{
    const std::lock_guard lock(mutex_);
    return count_;
}

std::string ActionLog::lastActions() const
{
    const std::lock_guard lock(mutex_);
    std::string lines;
    for (const std::string& line : last_)
        lines += "  " + line + '\n';
    return lines;
}

} // namespace quorvelle::monkey
