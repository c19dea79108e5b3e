// Phonic recurrences: pairs of adjacent letters.
#pragma once

#include "ui/stats/KeyDistributionWindow.h"

#include <string_view>

namespace quorvelle::ui {

/// Opened modal from the main window's "&Récurrences phoniques": the forms by how many times
/// a chosen pair of adjacent letters (ch, ou) occurs in them. The pairs come in alphabetical
/// order.
class LetterPairsWindow final : public KeyDistributionWindow {
    Q_OBJECT
public:
    LetterPairsWindow(SharedText text, KeyDistribution report, QWidget* parent);
};

} // namespace quorvelle::ui
