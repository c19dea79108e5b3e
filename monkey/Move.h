// One user action of the monkey: said first, then done.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace quorvelle::monkey {

class Dice;

/// Where the monkey finds its texts and writes its files.
struct Workspace {
    /// The texts it opens, ordinary and degenerate, in a fixed order.
    QStringList texts;
    /// The folder where exports, pictures and printouts go.
    QString outputFolder;
    /// A file that stands where a save would need a folder.
    QString notAFolder;
};

/// An action chosen on the window as it stands. The description goes to the log before
/// perform runs, so that a crash during the action names it.
struct Move {
    QString description;
    std::function<void()> perform;
};

} // namespace quorvelle::monkey
