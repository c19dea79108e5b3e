// The line by which a window says that its texts are cut by the extended letter rule.
#pragma once

class QBoxLayout;
class QWidget;

namespace quorvelle::ui {

/// Under the extended rule of the texts window studies (see studiedLetters), inserts into
/// layout at index a label that says so, "œ, Œ, Ÿ, Š, Ž comptés comme des lettres", named
/// letterRuleLabel; under the classic rule, the program's default, nothing.
void insertLetterRuleNote(QBoxLayout* layout, int index, QWidget* window);

} // namespace quorvelle::ui
