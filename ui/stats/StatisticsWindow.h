// The base of every statistics window and the window commands they all share.
#pragma once

#include "core/text/analysed_text.h"
#include "ui/window_declaration.h"
#include "ui/window_opening.h"

#include <QDialog>

class QAbstractItemView;
class QMenu;
class QVBoxLayout;

namespace quorvelle::ui {

class LoadedTextBox;

/// A statistics window is a thin presenter of one core report: a dialog under its own menu
/// bar, loaded (its report computed) in its constructor, then shown modal with openModal, as
/// the classic statistics are, so that the window that opened it waits until it is closed, or
/// beside the others with openModeless, as the windows one consults while working in the
/// others are (a concordance, the specificities).
///
/// It gives each window the menu bar that every statistics window repeats, in its order:
/// "&Fichier" whose last item, under a separator, closes the window ("&Quitter"); "&Edition",
/// whose commands act on the window's result text box whatever has the focus (a list or grid
/// copies its selected rows with its own Ctrl+C and context menu); "&Graphique" in the windows
/// that have charts; "&Aide" with "&A propos de".
class StatisticsWindow : public QDialog {
    Q_OBJECT
public:
    ~StatisticsWindow() override;

protected:

    /// letters: the rule the window's texts are cut by, which it says under its title when
    /// it is the extended one (see insertLetterRuleNote).
    StatisticsWindow(LetterRule letters, QWidget* parent);


    /// Lays out the window as declared: its caption and title, its body under the title, its
    /// menu bar with its items, and its size.
    void build(const WindowDeclaration& declaration);


    /// Lets the user see in context, in text, the form of a line of the result box (or the
    /// two forms of a co-occurrence), alone or followed by its counts in parentheses; textFile
    /// names the file of text where the window studies two texts.
    void offerFormsInContext(SharedText text, const QString& textFile = {});


private slots:
    void copyResultSelection();
    void pasteIntoResultBox();
    void selectWholeResult();
    void deleteResultSelection();
    void showAboutBox();
    void showFormOfLineInContext(const QString& line);

private:
    /// The menus that the declaration's items fill.
    struct WindowMenus {
        QMenu* file = nullptr;
        QMenu* charts = nullptr;     ///< null without chart items
        QMenu* statistics = nullptr; ///< null without statistics items
    };
    /// Builds the menu bar, in its order, with the shared commands and the menus the
    /// declaration has items for.
    WindowMenus buildMenuBar(const WindowDeclaration& declaration);
    /// Puts the window's title at the top of its layout, drawn over its shadow.
    void addWindowTitle(const QString& title);

    QVBoxLayout* windowLayout_;
    LoadedTextBox* resultBox_ = nullptr;
    SharedText text_;
    QString textFile_;
    QAbstractItemView* grid_ = nullptr;
};

} // namespace quorvelle::ui
