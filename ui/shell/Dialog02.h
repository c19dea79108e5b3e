// The wait dialog in front of the comparison results.
#pragma once

#include "ui/shell/WaitDialog.h"

namespace quorvelle::ui {

/// Opened from the second-text window. Launched with WaitDialog::launch<Dialog02>.
class Dialog02 final : public WaitDialog {
    Q_OBJECT
public:
    using WaitDialog::WaitDialog;
};

} // namespace quorvelle::ui
