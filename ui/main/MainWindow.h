// The main window: the loaded text, its menus, and the character and word counts.
//
// How the desktop program fits together: main.cpp shows the splash window (ui/shell), which
// hands over to this window. MainWindow owns the loaded text for the whole run, in its text box
// txtFichier. Each statistics window (ui/stats) receives that text, in code page 1252, when it
// loads, computes its report through the core, and is shown modal. The about box, the help
// window and the wait dialogs live in ui/shell; helpers shared by every window live in ui/.
#pragma once

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <string>
#include <string_view>

class QAction;
class QLabel;
class QMenu;

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

    /// The loaded text as the user now sees it, in code page 1252: what a statistics window
    /// reads when it loads. The view holds until the text is next edited or replaced: while
    /// the text is as the file had it, it is the bytes the text box keeps.
    std::string_view loadedText() const;

protected:
    /// Form_Unload: closing the main window ends the program.
    void closeEvent(QCloseEvent* event) override;
    /// A text file dropped on the window opens as "&Ouvrir..." opens it, while that command
    /// is available.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private slots:
    void mnuItemOuvrir_Click();
    void mnuItemFermer_Click();
    void mnuItemQuitter_Click();
    void mnuoutilsanalyse01_Click();
    void mnuoutilsanalyse02_Click();
    void liste_Click();
    void stat01a_Click();
    void stat01b_Click();
    void stat01c_Click();
    void stat01d_Click();
    void stat01e_Click();
    void calculecarts_Click();
    void cooccurrences_Click();
    void longueurs_Click();
    void enrichissement_Click();
    void comparaison_Click();
    void richesse_Click();
    void about_Click();
    void modemploi_Click();

private:
    void buildUi();
    void buildMenus();
    void connectSignals();

    /// Enables the items and the text box that need a text, and disables "&Ouvrir...".
    void setTextLoaded(bool loaded);

    QLabel* lblFichier;
    PlainTextBox* txtFichier;
    /// The edited text in code page 1252, as loadedText last read it.
    mutable std::string editedText_;

    QMenu* mnuFichier;
    QAction* mnuItemOuvrir;
    QAction* mnuItemFermer;
    QAction* mnuItemQuitter;
    QMenu* mnuoutils;
    QAction* mnuoutilsanalyse01;
    QAction* mnuoutilsanalyse02;
    QMenu* statistiques;
    QAction* liste;
    QMenu* composition;
    QAction* stat01a;
    QAction* stat01b;
    QAction* stat01c;
    QAction* stat01d;
    QAction* stat01e;
    QMenu* frequences;
    QAction* calculecarts;
    QAction* cooccurrences;
    QAction* longueurs;
    QAction* enrichissement;
    QAction* comparaison;
    QAction* richesse;
    QMenu* aide;
    QAction* about;
    QAction* modemploi;

    /// The items enabled only while a text is loaded.
    QList<QAction*> textItems_;
    QPointer<HelpWindow> helpWindow_;
};

} // namespace quorvelle::ui
