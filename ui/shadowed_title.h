// The program's titles: the same text on two labels, one a shadow of the other.
#pragma once

class QString;
class QWidget;

namespace quorvelle::ui {

/// The point size of the titles at the top of the statistics and chart windows.
inline constexpr int windowTitlePointSize = 15;

/// A shadowed title of text: two labels one over the other, "title" in front and "titleShadow"
/// behind, offset down and to the right and in a lighter colour, both in a bold font of
/// pointSize. Returns the widget that holds them, to be put in a layout.
QWidget* createShadowedTitle(const QString& text, int pointSize, QWidget* parent);

} // namespace quorvelle::ui
