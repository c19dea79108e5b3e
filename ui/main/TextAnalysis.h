// The analysis of the main window's text, computed off the interface thread.
#pragma once

#include "core/text/analysed_text.h"

#include <QFuture>
#include <QObject>

#include <cstdint>
#include <memory>
#include <string>

class QTimer;

namespace quorvelle::ui {

class PlainTextBox;

/// Keeps the analysis of the text a box holds. An opened file is analysed from its bytes as
/// soon as it is in the box; an edited text once the user pauses typing, or when asked for.
/// An analysis stays the box's for as long as the text is as it was analysed: any change,
/// a new text included, makes the next request start another, and an analysis under way for an
/// older text is left to end unread.
class TextAnalysis final : public QObject {
    Q_OBJECT
public:
    /// How long the user must stop typing before the edited text is analysed.
    static constexpr int typingPauseMs = 500;

    explicit TextAnalysis(PlainTextBox* box);

    /// The analysis of the text as the box holds it now: the one done or under way when the
    /// text has not changed since it started, a new one otherwise.
    QFuture<SharedText> current();

private:
    void noteChange();

    PlainTextBox* box_;
    QTimer* typingPause_;
    QFuture<SharedText> analysis_;
    /// What analysis_ was started on: the bytes of an unmodified file, or else the box's
    /// version of its text.
    std::shared_ptr<const std::string> analysedBytes_;
    std::uint64_t analysedVersion_ = 0;
    /// Counts every change of the box's text.
    std::uint64_t version_ = 1;
};

} // namespace quorvelle::ui
