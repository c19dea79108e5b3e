// The monkey's answers to the dialogs that ask the user something.
#pragma once

#include "monkey/Move.h"

class QWidget;

namespace quorvelle::monkey {

/// When window is a message box, a file dialog or a printer dialog, the answer the dice
/// choose: a button of the box; a text to open, a file to save (new, existing, in a folder that
/// does not exist, or where nothing can be written) or cancel; a PDF printout or cancel.
/// None for any other window.
std::optional<Move> answerDialog(QWidget* window, Dice& dice, const Workspace& workspace);

/// How the monkey closes window when its time is up: the No of a message box (so that an
/// edited text goes unsaved) or else its escape button, the cancel of a dialog, the close of a
/// window.
void dismiss(QWidget* window);

} // namespace quorvelle::monkey
