// Saving a file whole or not at all, and saying in French why it could not be saved.
#pragma once

#include <QByteArray>
#include <QString>

namespace quorvelle::ui {

/// Writes bytes to path through a temporary file beside it, renamed over path once written
/// whole: a file already there is replaced entirely or left as it was. Returns an empty
/// string on success, otherwise the reason of the failure in French ("le disque est plein").
QString saveWhole(const QString& path, const QByteArray& bytes);

} // namespace quorvelle::ui
