// The pictures of the sort buttons.
#pragma once

#include "core/reports/length_report.h"

#include <QIcon>

class QWidget;

namespace quorvelle::ui {

/// A sort picture drawn in the widget's text colour: a downward arrow beside three bars that
/// grow downwards for an ascending sort and shrink for a descending one.
QIcon sortIcon(SortDirection direction, const QWidget* widget);

} // namespace quorvelle::ui
