// The statistics windows' menu bar and their shared window commands.
#include "ui/stats/StatisticsWindow.h"

#include "ui/PlainTextBox.h"
#include "ui/menus.h"
#include "ui/shell/frmAbout.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

namespace quorvelle::ui {

StatisticsWindow::StatisticsWindow(QWidget* parent)
    : QDialog(parent)
    , menuBar_(new QMenuBar(this))
    , windowLayout_(new QVBoxLayout(this))
{
    windowLayout_->setMenuBar(menuBar_);
    setSizeGripEnabled(true);
}

void StatisticsWindow::addWindowCommands(PlainTextBox* resultBox, EditionNames names)
{
    resultBox_ = resultBox;

    QMenu* fichier = addMenu(menuBar_, "fichier", tr("&Fichier"));
    connect(addMenuItem(fichier, "quitter", tr("&Quitter")), &QAction::triggered, this,
            &StatisticsWindow::quitter_Click);

    const bool accessKeys = names != EditionNames::NoAccessKeyOnLastTwo;
    QMenu* edition = addMenu(menuBar_, "edition", tr("&Edition"));
    connect(addMenuItem(edition, "copier", tr("&Copier")), &QAction::triggered, this,
            &StatisticsWindow::copier_Click);
    connect(addMenuItem(edition, "coller", tr("&Coller")), &QAction::triggered, this,
            &StatisticsWindow::coller_Click);
    connect(addMenuItem(edition, names == EditionNames::SelectionAll ? "selectionall" : "selectall",
                        accessKeys ? tr("&Sélectionner tout") : tr("Sélectionner tout")),
            &QAction::triggered, this, &StatisticsWindow::selectall_Click);
    connect(addMenuItem(edition, "supprimer", accessKeys ? tr("&Supprimer") : tr("Supprimer")),
            &QAction::triggered, this, &StatisticsWindow::supprimer_Click);

    aide_ = addMenu(menuBar_, "aide", tr("&Aide"));
    connect(addMenuItem(aide_, "about", tr("&A propos de")), &QAction::triggered, this,
            &StatisticsWindow::about_Click);
}

QMenu* StatisticsWindow::addChartMenu()
{
    auto* graphique = new QMenu(tr("&Graphique"), menuBar_);
    graphique->setObjectName("graphique");
    // Help stays the last menu of the bar.
    menuBar_->insertMenu(aide_ ? aide_->menuAction() : nullptr, graphique);
    return graphique;
}

void StatisticsWindow::quitter_Click()
{
    close();
}

void StatisticsWindow::copier_Click()
{
    resultBox_->copy();
}

void StatisticsWindow::coller_Click()
{
    resultBox_->pasteClipboardText();
}

void StatisticsWindow::selectall_Click()
{
    resultBox_->selectAll();
}

void StatisticsWindow::supprimer_Click()
{
    resultBox_->deleteSelection();
}

void StatisticsWindow::about_Click()
{
    frmAbout::showOver(this);
}

} // namespace quorvelle::ui
