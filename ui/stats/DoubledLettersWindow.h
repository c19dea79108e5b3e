// Doubled letters.
#pragma once

#include "ui/stats/KeyDistributionWindow.h"

#include <string_view>

namespace quorvelle::ui {

/// Opened modal from the main window's "Lettres re&doublées": the forms by how many times a
/// chosen letter is doubled in them (ll, ss). The doubled letters come in code order.
class DoubledLettersWindow final : public KeyDistributionWindow {
    Q_OBJECT
public:
    DoubledLettersWindow(SharedText text, KeyDistribution report, QWidget* parent);
};

} // namespace quorvelle::ui
