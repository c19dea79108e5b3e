// Copying the selected rows of a grid as a spreadsheet pastes them.
#pragma once

class QAbstractItemView;

namespace quorvelle::ui {

/// Puts the rows of view that hold a selected cell on the clipboard, in the view's order,
/// their cells separated by tabs and the rows by CR LF; nothing selected, nothing copied.
void copySelectedRows(const QAbstractItemView& view);

} // namespace quorvelle::ui
