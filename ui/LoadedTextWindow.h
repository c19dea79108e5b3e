// The window that shows the loaded text, as the windows opened from it reach it.
#pragma once

#include "core/text/analysed_text.h"

class QWidget;

namespace quorvelle::ui {

class LoadedTextBox;

/// The window where the user reads and edits the loaded text, the main window: the windows
/// opened from it, directly or through others, find it among their ancestors (see of) to show
/// a place of their text in it, when it still shows that text.
class LoadedTextWindow {
public:
    /// The nearest of window's ancestors, window included, that shows the loaded text; null
    /// when none does.
    static LoadedTextWindow* of(QWidget* window);

    /// The box that shows the loaded text; it tells when its text is replaced or edited.
    virtual LoadedTextBox* loadedTextBox() const = 0;
    /// Whether the box now shows text as it was analysed, character for character: the same
    /// text, not replaced nor edited since.
    virtual bool showsText(const AnalysedText& text) const = 0;

protected:
    LoadedTextWindow() = default;
    ~LoadedTextWindow() = default;
};

} // namespace quorvelle::ui
