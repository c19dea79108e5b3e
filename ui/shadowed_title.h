// The program's titles: the same text on two labels, one a shadow of the other.
#pragma once

class QLabel;
class QString;
class QWidget;

namespace quorvelle::ui {

/// Lays the two labels one over the other, title in front and shadow behind, offset down and
/// to the right and in a lighter colour, both in a bold font of pointSize. Returns the widget
/// that holds them, to be put in a layout.
QWidget* stackShadowedTitle(QLabel* shadow, QLabel* title, int pointSize, QWidget* parent);

/// The point size of the titles at the top of the statistics and chart windows.
inline constexpr int windowTitlePointSize = 15;

/// A shadowed title of text: its two labels are named "titleShadow" and "title".
QWidget* createShadowedTitle(const QString& text, int pointSize, QWidget* parent);

} // namespace quorvelle::ui
