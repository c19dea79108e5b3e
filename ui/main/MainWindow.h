// The main window: the loaded text, its menus, and the character and word counts.
//
// How the desktop program fits together: app/main.cpp shows the splash window (ui/shell),
// which hands over to this window. MainWindow owns the loaded text for the whole run, in its
// text box. Its "&Statistiques" menu is built from the core's catalogue of statistics: each
// item opens its statistic's window (ui/stats, see statistic_windows.h), which receives the
// text in code page 1252, computes its report through the core, and is shown modal (the
// classic statistics) or beside the main window (segments and richness). The user may
// edit the text: "Enregistrer le texte sous..." saves it, and closing the text or the program
// asks first about edits not saved. The about box and the wait dialogs live in ui/shell;
// what every window shares, the explanation and help windows among it, lives in ui/.
#pragma once

#include "core/corpus/corpus.h"
#include "core/text/encoding.h"
#include "ui/LoadedTextWindow.h"
#include "ui/TextAnalysis.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <memory>
#include <string_view>

class QAction;
class QLabel;
class QListWidget;
class QMenu;

namespace quorvelle {
struct StatisticInfo;
}

namespace quorvelle::ui {

class HelpWindow;
class LoadedTextBox;

class MainWindow final : public QMainWindow, public LoadedTextWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

    LoadedTextBox* loadedTextBox() const override;
    bool showsText(const AnalysedText& text) const override;

    /// Opens a text as "&Ouvrir..." does once a file is chosen: reads and decodes it, asks
    /// before keeping a file of more than 64000 bytes, and reports any failure.
    void openTextFile(const QString& path);
    /// Opens a corpus as "Ouvrir un &corpus..." does once its files are chosen: one file cut at
    /// its marker lines, or several files one part each. Its text is shown read-only, each part
    /// named in partList, and "Le corpus et ses parties" is enabled when it has two parts or more.
    void openCorpusFiles(const QStringList& paths);

    /// The analysis of the loaded text as the user now sees it, in code page 1252: what every
    /// statistic is computed from, off the interface thread (see TextAnalysis).
    QFuture<SharedText> analysis();

protected:
    /// Closing the main window ends the program, once edits of the text are saved or given up
    /// (see offerToSaveEdits).
    void closeEvent(QCloseEvent* event) override;
    /// A text file dropped on the window opens as "&Ouvrir..." opens it, while that command
    /// is available: with no text loaded, so that a drop never replaces a text.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private slots:
    void openChosenTextFile();
    void openChosenCorpusFiles();
    void showChosenPart(int part);
    void openCorpusWindow();
    /// Asks where and in which encoding to save the text, then saves it; true once saved.
    bool saveTextAs();
    void closeText();
    /// Cuts the text into forms by the rule the "&Outils" menu's choice names, and keeps
    /// that choice for the next runs.
    void applyLetterRuleChoice(bool extended);
    void showCharacterCounts();
    void showWordCount();
    /// Asks for forms or patterns to find (see SearchDialog) and shows their concordance.
    void searchText();
    void showAboutBox();
    void showManual();

private:
    /// The title of a counts message, which names the extended rule when the text is cut by it.
    QString countsTitle(std::string_view title) const;
    void buildUi();
    void buildMenus();
    void buildStatisticsMenu(QMenu* statisticsMenu);
    /// The item of a statistic of the catalogue, in its submenu of statisticsMenu if it has one.
    QAction* addStatisticItem(QMenu* statisticsMenu, const StatisticInfo& statistic);
    void connectSignals();

    /// Enables the items and the text box that need a text, and disables "&Ouvrir...".
    void setTextLoaded(bool loaded);
    /// Shows the corpus's parts beside its text, or none without a corpus.
    void setCorpus(std::shared_ptr<const Corpus> corpus);
    /// The file the text was opened from or last saved to: its path is shown, and the windows
    /// opened from here name their files after it.
    void setTextFile(const QString& path, Encoding encoding);
    /// Before the text goes, offers to save its edits: true when it was not edited since it was
    /// opened or saved, or when the user, asked, saves it (Oui) or gives the edits up (Non);
    /// false when the user cancels (Annuler) or the save does not happen, and everything stays
    /// as it was.
    bool offerToSaveEdits();
    /// Whether the text may be written to path: yes, unless path is the file it was read from
    /// and that file held characters the text could only substitute, and the user declines.
    bool mayOverwriteSubstitutes(const QString& path);

    QLabel* filePathLabel;
    QListWidget* partList;
    LoadedTextBox* textBox;
    TextAnalysis* textAnalysis_;
    /// What the text was read in or last saved in, the encoding its save proposes.
    Encoding textEncoding_ = Encoding::Cp1252;

    QAction* openAction;
    QAction* openCorpusAction;
    QAction* corpusAction;
    QAction* searchAction;
    QAction* functionWordsAction;
    QAction* saveTextAsAction;
    QAction* closeAction;
    QAction* quitAction;
    QAction* characterCountAction;
    QAction* wordCountAction;
    QAction* extendedLettersAction;
    QAction* aboutAction;
    QAction* manualAction;

    /// The items enabled only while a text is loaded.
    QList<QAction*> textItems_;
    /// The corpus whose text the box shows, null for a text.
    std::shared_ptr<const Corpus> corpus_;
    QPointer<HelpWindow> helpWindow_;
};

} // namespace quorvelle::ui
