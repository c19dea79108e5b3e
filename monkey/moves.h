// The user actions the monkey performs on a window of the program.
#pragma once

#include "monkey/Move.h"

class QWidget;

namespace quorvelle::monkey {

/// An action chosen by the dice among what a user could do on window as it stands: a menu
/// item, a click or double click on a row or cell, a key, a button, a combo box, a tab, typing
/// or pasting into a text box, resizing or closing the window, dropping a file on the main
/// window. None when the window offers nothing.
std::optional<Move> chooseMove(QWidget* window, Dice& dice, const Workspace& workspace);

/// The text the monkey types or pastes as a user would: each character in its own key press.
void typeText(QWidget* widget, const QString& text);

} // namespace quorvelle::monkey
