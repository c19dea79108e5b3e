// Saying that the French dictionary the lemmas need is missing.
#pragma once

#include "core/lemmas/french_dictionary.h"

#include <QString>

class QWidget;

namespace quorvelle::ui {

/// Tells over parent, in a warning titled title, that the dictionary cannot be read and which
/// package brings it.
void reportMissingDictionary(QWidget* parent, const QString& title, const DictionaryError& error);

} // namespace quorvelle::ui
