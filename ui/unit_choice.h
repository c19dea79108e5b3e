// The choice between counting a text's forms and counting its lemmas.
#pragma once

#include "core/lemmas/lemma_tokens.h"

#include <QString>

class QComboBox;
class QLabel;
class QWidget;

namespace quorvelle::ui {

/// « &Unité : » and its list of the units, formes or lemmes.
struct UnitChoice {
    QLabel* label;
    QComboBox* box;
};

/// The list, named unitBox and offering the forms first, with its label unitLabel; toolTip
/// says what the lemmas change in the window.
UnitChoice createUnitChoice(const QString& toolTip, QWidget* parent);

CountingUnit chosenUnit(const QComboBox* box);

/// Shows the unit a window's result counts, without telling the list's listeners: the choice
/// given back when the other unit could not be counted.
void showUnit(QComboBox* box, bool ofLemmas);

} // namespace quorvelle::ui
