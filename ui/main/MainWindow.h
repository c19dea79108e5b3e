// The main window: the loaded text, its menus, and the character and word counts.
//
// How the desktop program fits together: app/main.cpp shows the splash window (ui/shell),
// which hands over to this window. MainWindow owns the loaded text for the whole run, in its
// text box. Its "&Statistiques" menu is built from the core's catalogue of statistics: each
// item opens its statistic's window (ui/stats, see statistic_windows.h), which receives the
// text in code page 1252, computes its report through the core, and is shown modal. The about
// box, the help window and the wait dialogs live in ui/shell; helpers shared by every window
// live in ui/.
#pragma once

#include "ui/TextAnalysis.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QString>

class QAction;
class QLabel;
class QMenu;

namespace quorvelle {
struct StatisticInfo;
}

namespace quorvelle::ui {

class HelpWindow;
class PlainTextBox;

class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

    /// Opens a text as "&Ouvrir..." does once a file is chosen: reads and decodes it, asks
    /// before keeping a file of more than 64000 bytes, and reports any failure.
    void openTextFile(const QString& path);

    /// The analysis of the loaded text as the user now sees it, in code page 1252: what every
    /// statistic is computed from, off the interface thread (see TextAnalysis).
    QFuture<SharedText> analysis();

protected:
    /// Closing the main window ends the program.
    void closeEvent(QCloseEvent* event) override;
    /// A text file dropped on the window opens as "&Ouvrir..." opens it, while that command
    /// is available.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private slots:
    void openChosenTextFile();
    void closeText();
    /// Cuts the text into forms by the rule the "&Outils" menu's choice names, and keeps
    /// that choice for the next runs.
    void applyLetterRuleChoice(bool extended);
    void showCharacterCounts();
    void showWordCount();
    void showAboutBox();
    void showManual();

private:
    void buildUi();
    void buildMenus();
    void buildStatisticsMenu(QMenu* statisticsMenu);
    /// The item of a statistic of the catalogue, in its submenu of statisticsMenu if it has one.
    QAction* addStatisticItem(QMenu* statisticsMenu, const StatisticInfo& statistic);
    void connectSignals();

    /// Enables the items and the text box that need a text, and disables "&Ouvrir...".
    void setTextLoaded(bool loaded);

    QLabel* filePathLabel;
    PlainTextBox* textBox;
    TextAnalysis* textAnalysis_;

    QAction* openAction;
    QAction* closeAction;
    QAction* quitAction;
    QAction* characterCountAction;
    QAction* wordCountAction;
    QAction* extendedLettersAction;
    QAction* aboutAction;
    QAction* manualAction;

    /// The items enabled only while a text is loaded.
    QList<QAction*> textItems_;
    QPointer<HelpWindow> helpWindow_;
};

} // namespace quorvelle::ui
