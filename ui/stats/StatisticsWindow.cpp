// The statistics windows' menu bar and their shared window commands.
#include "ui/stats/StatisticsWindow.h"

#include "ui/PlainTextBox.h"
#include "ui/menus.h"
#include "ui/report_grid.h"
#include "ui/shadowed_title.h"
#include "ui/shell/frmAbout.h"
#include "core/letters.h"
#include "ui/cp1252_text.h"
#include "ui/stats/frmConcordance.h"

#include <QAbstractItemView>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QVBoxLayout>

#include <algorithm>
#include <string>

namespace quorvelle::ui {
namespace {

constexpr int titlePointSize = 15;

} // namespace

StatisticsWindow::StatisticsWindow(QWidget* parent)
    : QDialog(parent)
    , windowLayout_(new QVBoxLayout(this))
{
    setSizeGripEnabled(true);
}

StatisticsWindow::WindowMenus StatisticsWindow::buildMenuBar(const MenuBarContents& contents)
{
    auto* bar = new QMenuBar(this);
    windowLayout_->setMenuBar(bar);
    WindowMenus menus;

    menus.fichier = addMenu(bar, "fichier", tr("&Fichier"));
    if (contents.quitter)
        connect(addMenuItem(menus.fichier, "quitter", tr("&Quitter")), &QAction::triggered, this,
                &StatisticsWindow::quitter_Click);

    if (contents.resultBox) {
        resultBox_ = contents.resultBox;
        const bool accessKeys = contents.editionNames != EditionNames::NoAccessKeyOnLastTwo;
        QMenu* edition = addMenu(bar, "edition", tr("&Edition"));
        connect(addMenuItem(edition, "copier", tr("&Copier")), &QAction::triggered, this,
                &StatisticsWindow::copier_Click);
        connect(addMenuItem(edition, "coller", tr("&Coller")), &QAction::triggered, this,
                &StatisticsWindow::coller_Click);
        connect(addMenuItem(edition, contents.editionNames == EditionNames::SelectionAll ? "selectionall" : "selectall",
                            accessKeys ? tr("&Sélectionner tout") : tr("Sélectionner tout")),
                &QAction::triggered, this, &StatisticsWindow::selectall_Click);
        connect(addMenuItem(edition, "supprimer", accessKeys ? tr("&Supprimer") : tr("Supprimer")),
                &QAction::triggered, this, &StatisticsWindow::supprimer_Click);
    }

    if (!contents.resultBox && contents.grid) {
        grid_ = contents.grid;
        QMenu* edition = addMenu(bar, "edition", tr("&Edition"));
        connect(addMenuItem(edition, "copier", tr("&Copier")), &QAction::triggered, this,
                &StatisticsWindow::copier_Click);
        connect(addMenuItem(edition, "selectall", tr("&Sélectionner tout")), &QAction::triggered, grid_,
                &QAbstractItemView::selectAll);
    }

    if (contents.charts)
        menus.graphique = addMenu(bar, "graphique", tr("&Graphique"));
    if (contents.statistics)
        menus.statistiques = addMenu(bar, "Statistiques", tr("&Statistiques"));

    QMenu* aide = addMenu(bar, "aide", tr("&Aide"));
    connect(addMenuItem(aide, "about", tr("&A propos de")), &QAction::triggered, this,
            &StatisticsWindow::about_Click);
    return menus;
}

void StatisticsWindow::addWindowTitle(const QString& title, const char* shadowName, const char* titleName)
{
    auto* shadow = new QLabel(title, this);
    shadow->setObjectName(shadowName);
    auto* front = new QLabel(title, this);
    front->setObjectName(titleName);
    windowLayout_->insertWidget(0, stackShadowedTitle(shadow, front, titlePointSize, this), 0, Qt::AlignHCenter);
}

void StatisticsWindow::offerFormsInContext(std::string_view text)
{
    text_ = text;
    connect(resultBox_, &PlainTextBox::lineActivated, this, &StatisticsWindow::resultBox_LineActivated,
            Qt::UniqueConnection);
}

void StatisticsWindow::resultBox_LineActivated(const QString& line)
{
    static const QRegularExpression formLine(QStringLiteral("^(\\w+(?: \\w+)?)(?: {1,2}\\(\\d+\\)){0,2}$"),
                                             QRegularExpression::UseUnicodePropertiesOption);
    const QRegularExpressionMatch match = formLine.match(line);
    if (!match.hasMatch())
        return;
    const std::string form = toCp1252(match.captured(1));
    if (std::ranges::all_of(form, [](char c) { return isLetter(c) || c == ' '; }))
        openModal<frmConcordance>(this, text_, form);
}

void StatisticsWindow::quitter_Click()
{
    close();
}

void StatisticsWindow::copier_Click()
{
    if (copySelectedRows(focusWidget()))
        return;
    if (resultBox_)
        resultBox_->copy();
    else
        copySelectedRows(grid_);
}

void StatisticsWindow::coller_Click()
{
    resultBox_->pasteClipboardText();
}

void StatisticsWindow::selectall_Click()
{
    resultBox_->selectWholeText();
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
