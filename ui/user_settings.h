// Where the user's choices are kept from one run of the program to the next.
#pragma once

#include <QSettings>

#include <memory>

namespace quorvelle::ui {

/// The program's settings for the current user (a QSettings is no value to return).
std::unique_ptr<QSettings> userSettings();

} // namespace quorvelle::ui
