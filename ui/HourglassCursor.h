// The hourglass pointer over the whole program while a scope computes.
#pragma once

#include <QApplication>
#include <QCursor>

namespace quorvelle::ui {

/// Sets the hourglass pointer for its lifetime; the previous pointer comes back however the
/// scope ends, an exception included. Nested hourglasses stack.
class HourglassCursor {
public:
    HourglassCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~HourglassCursor() { QApplication::restoreOverrideCursor(); }

    HourglassCursor(const HourglassCursor&) = delete;
    HourglassCursor& operator=(const HourglassCursor&) = delete;
};

} // namespace quorvelle::ui
