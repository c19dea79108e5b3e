// How every chart of the program looks: its frame and its axes, after the desktop's palette
// and font.
#pragma once

class QAbstractAxis;
class QChart;
class QFont;
class QPalette;

namespace quorvelle::ui {

/// The chart's background in the palette's base colour, square, with narrow margins.
void styleChartFrame(QChart* chart, const QPalette& colours);

/// The axis's labels in font, its title in bold, both in the palette's text colour; its line
/// and grid in the palette's mid tones.
void styleAxis(QAbstractAxis* axis, const QFont& font, const QPalette& colours);

} // namespace quorvelle::ui
