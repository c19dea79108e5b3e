// Forms by letter of the alphabet.
#pragma once

#include "ui/stats/KeyDistributionWindow.h"

#include <string_view>

namespace quorvelle::ui {

/// Opened modal from the main window's "Formes / Lettres de l'&alphabet": the forms by how
/// many times a chosen letter occurs in them. The letters come in alphabetical order.
class LettersWindow final : public KeyDistributionWindow {
    Q_OBJECT
public:
    LettersWindow(SharedText text, KeyDistribution report, QWidget* parent);
};

} // namespace quorvelle::ui
