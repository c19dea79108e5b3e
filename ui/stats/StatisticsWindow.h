// The base of every statistics window and the window commands they all share.
#pragma once

#include "ui/message_box.h"

#include <QDialog>

#include <memory>
#include <new>
#include <utility>

class QMenu;
class QMenuBar;
class QVBoxLayout;

namespace quorvelle::ui {

class PlainTextBox;

/// A statistics window is a thin presenter of one core report: a dialog under its own menu
/// bar, loaded (its report computed, under the hourglass) in its constructor and then shown
/// modal with exec(), so that the window that opened it waits until it is closed.
///
/// It gives each window the commands that every statistics window repeats: "&Fichier"
/// "&Quitter", "&Edition" acting on the window's result text box alone, whatever has the
/// focus, "&Aide" "&A propos de", and a "&Graphique" menu for the windows that have charts.
class StatisticsWindow : public QDialog {
    Q_OBJECT
public:
    /// Loads a window of class Window, built from arguments and parent, and shows it modal
    /// over parent; returns when the user closes it. A computation that runs out of memory
    /// ends in a message instead, and the window is not shown.
    template <class Window, class... Arguments>
    static void openModal(QWidget* parent, Arguments&&... arguments)
    {
        std::unique_ptr<Window> window;
        try {
            window = std::make_unique<Window>(std::forward<Arguments>(arguments)..., parent);
        } catch (const std::bad_alloc&) {
            MessageBox::outOfMemory(parent);
            return;
        }
        window->exec();
    }

protected:
    /// The names of the Edition items. Two windows differ from the rest: frmstata names its
    /// select-all item selectionall, and frmlongueur01 gives its last two items no access key.
    enum class EditionNames { Standard, SelectionAll, NoAccessKeyOnLastTwo };

    explicit StatisticsWindow(QWidget* parent);

    QMenuBar* menuBar() const { return menuBar_; }
    /// The window's layout, under its menu bar.
    QVBoxLayout* windowLayout() const { return windowLayout_; }

    /// Adds "&Fichier", "&Edition" on resultBox and "&Aide", with their items.
    void addWindowCommands(PlainTextBox* resultBox, EditionNames names = EditionNames::Standard);
    /// Adds the "&Graphique" menu, before "&Aide"; the window adds its chart items to it.
    QMenu* addChartMenu();

protected slots:
    void quitter_Click();
    void copier_Click();
    void coller_Click();
    /// Also the handler of frmstata's selectionall item.
    void selectall_Click();
    void supprimer_Click();
    void about_Click();

private:
    QMenuBar* menuBar_;
    QVBoxLayout* windowLayout_;
    PlainTextBox* resultBox_ = nullptr;
    QMenu* aide_ = nullptr;
};

} // namespace quorvelle::ui
