// The program's titles: the same text on two labels, one a shadow of the other.
#pragma once

class QLabel;
class QWidget;

namespace quorvelle::ui {

/// Lays the two labels one over the other, title in front and shadow behind, offset down and
/// to the right and in a lighter colour, both in a bold font of pointSize. Returns the widget
/// that holds them, to be put in a layout.
QWidget* stackShadowedTitle(QLabel* shadow, QLabel* title, int pointSize, QWidget* parent);

} // namespace quorvelle::ui
