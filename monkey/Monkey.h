// The monkey's driver: one user action at a time, on whichever window the user could act on.
#pragma once

#include "monkey/ActionLog.h"
#include "monkey/Dice.h"
#include "monkey/Move.h"

#include <QObject>

#include <chrono>
#include <cstdint>

namespace quorvelle::monkey {

/// Each step acts on a window that takes input: the modal dialog on top or one of the windows
/// opened beside it from it, or, with no modal dialog, one of the program's open windows. The
/// next step is scheduled before the action runs, so that steps go on inside the event loop
/// of any dialog the action opens, as a user's clicks would. Once the time is up, the steps
/// close the windows from the top down, one a turn and the main window last, then end the
/// event loop.
class Monkey final : public QObject {
    Q_OBJECT
public:
    Monkey(std::uint64_t seed, std::chrono::seconds duration, Workspace workspace, ActionLog& log);

    /// Schedules the first step.
    void start();
    /// True once the time is up and the main window, whose closing ends the program, is being
    /// closed, or no window is left.
    bool finished() const { return finished_; }

private:
    void step();
    /// After the time is up: closes the top window, or ends the run when none is left.
    void windDown();
    /// A window a user could act on now, or none.
    QWidget* windowTakingInput();

    using Clock = std::chrono::steady_clock;

    Dice dice_;
    Clock::time_point deadline_;
    Workspace workspace_;
    ActionLog& log_;
    bool finished_ = false;
};

} // namespace quorvelle::monkey
