// The wait dialog in front of the vocabulary enrichment.
#pragma once

#include "ui/shell/WaitDialog.h"

namespace quorvelle::ui {

/// Opened from the main window's "&L'enrichissement du vocabulaire". Launched with WaitDialog::launch<Dialog01>.
class Dialog01 final : public WaitDialog {
    Q_OBJECT
public:
    using WaitDialog::WaitDialog;
};

} // namespace quorvelle::ui
