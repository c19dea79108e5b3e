// Reading the files of a corpus, as the main window's "Ouvrir un corpus..." does.
#pragma once

#include "core/corpus/corpus.h"

#include <QStringList>

#include <memory>

class QWidget;

namespace quorvelle::ui {

/// The corpus of the files (see loadCorpus), read under the hourglass, cut by the letters of
/// the rule; what its making noticed is said in a French message box over parent. A file that
/// cannot be read, or a corpus too large for memory, is reported there too, and null returned.
std::shared_ptr<const Corpus> openCorpus(const QStringList& paths, LetterRule letters, QWidget* parent);

} // namespace quorvelle::ui
