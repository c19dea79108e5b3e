// The statistics windows' menu bar and their shared window commands.
#include "ui/stats/StatisticsWindow.h"

#include "core/text/letters.h"
#include "ui/LoadedTextBox.h"
#include "ui/ReportTableModel.h"
#include "ui/cp1252_text.h"
#include "ui/letter_rule_note.h"
#include "ui/menus.h"
#include "ui/report_grid.h"
#include "ui/shadowed_title.h"
#include "ui/shell/AboutBox.h"
#include "ui/stats/ConcordanceWindow.h"
#include "ui/studied_files.h"
#include "ui/table_export.h"

#include <QAbstractItemView>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QVBoxLayout>

#include <algorithm>
#include <string>

namespace quorvelle::ui {

StatisticsWindow::StatisticsWindow(LetterRule letters, QWidget* parent)
    : QDialog(parent)
    , windowLayout_(new QVBoxLayout(this))
{
    setSizeGripEnabled(true);
    setStudiedLetters(this, letters);
}

StatisticsWindow::~StatisticsWindow()
{
    // The reports the grids read were members of the window, gone by now; QDialog's destructor
    // then hides a shown window, and a grid whose columns fit their contents reads its cells
    // as it hides. The grids are emptied first.
    for (ReportTableModel* model : findChildren<ReportTableModel*>())
        model->letGoOfRows();
}

void StatisticsWindow::build(const WindowDeclaration& declaration)
{
    setWindowTitle(declaration.caption);
    addWindowTitle(declaration.title);
    for (const LayoutItem& item : declaration.body)
        item.addTo(windowLayout_);
    const WindowMenus menus = buildMenuBar(declaration);
    addMenuItems(menus.file, declaration.fileItems, this);
    if (declaration.tableExport.table)
        addExportItem(menus.file, declaration.tableExport.table, declaration.tableExport.fileName, this);
    addMenuItems(menus.charts, declaration.chartItems, this);
    addMenuItems(menus.statistics, declaration.statisticsItems, this);
    resize(declaration.size);
}

StatisticsWindow::WindowMenus StatisticsWindow::buildMenuBar(const WindowDeclaration& declaration)
{
    const MenuBarContents& contents = declaration.menuBar;
    auto* bar = new QMenuBar(this);
    windowLayout_->setMenuBar(bar);
    WindowMenus menus;

    menus.file = addMenu(bar, "fileMenu", tr("&Fichier"));
    connect(addClosingItem(menus.file, contents.closingItemName, contents.closingItemCaption), &QAction::triggered,
            this, &StatisticsWindow::close);

    if (contents.resultBox) {
        resultBox_ = contents.resultBox;
        QMenu* edition = addMenu(bar, "editMenu", tr("&Edition"));
        connect(addMenuItem(edition, "copyAction", tr("&Copier")), &QAction::triggered, this,
                &StatisticsWindow::copyResultSelection);
        connect(addMenuItem(edition, "pasteAction", tr("C&oller")), &QAction::triggered, this,
                &StatisticsWindow::pasteIntoResultBox);
        connect(addMenuItem(edition, "selectAllAction", contents.editionCaptions.selectAll), &QAction::triggered, this,
                &StatisticsWindow::selectWholeResult);
        connect(addMenuItem(edition, "deleteAction", contents.editionCaptions.remove), &QAction::triggered, this,
                &StatisticsWindow::deleteResultSelection);
    } else if (contents.grid) {
        grid_ = contents.grid;
        QMenu* edition = addMenu(bar, "editMenu", tr("&Edition"));
        connect(addMenuItem(edition, "copyAction", tr("&Copier")), &QAction::triggered, this,
                &StatisticsWindow::copyResultSelection);
        connect(addMenuItem(edition, "selectAllAction", EditionCaptions().selectAll), &QAction::triggered, grid_,
                &QAbstractItemView::selectAll);
    }

    if (!declaration.chartItems.empty())
        menus.charts = addMenu(bar, "chartsMenu", tr("&Graphique"));
    if (!declaration.statisticsItems.empty())
        menus.statistics = addMenu(bar, "statisticsMenu", tr("&Statistiques"));

    QMenu* help = addMenu(bar, "helpMenu", tr("&Aide"));
    connect(addMenuItem(help, "aboutAction", tr("&A propos de")), &QAction::triggered, this,
            &StatisticsWindow::showAboutBox);
    return menus;
}

void StatisticsWindow::addWindowTitle(const QString& title)
{
    windowLayout_->insertWidget(0, createShadowedTitle(title, windowTitlePointSize, this), 0, Qt::AlignHCenter);
    insertLetterRuleNote(windowLayout_, 1, this);
}

void StatisticsWindow::offerFormsInContext(SharedText text, const QString& textFile)
{
    text_ = std::move(text);
    textFile_ = textFile;
    connect(resultBox_, &LoadedTextBox::lineActivated, this, &StatisticsWindow::showFormOfLineInContext,
            Qt::UniqueConnection);
}

void StatisticsWindow::showFormOfLineInContext(const QString& line)
{
    static const QRegularExpression formLine(QStringLiteral("^(\\w+(?: \\w+)?)(?: {1,2}\\(\\d+\\)){0,2}$"),
                                             QRegularExpression::UseUnicodePropertiesOption);
    const QRegularExpressionMatch match = formLine.match(line);
    if (!match.hasMatch())
        return;
    const std::string form = toCp1252(match.captured(1));
    const Alphabet& alphabet = Alphabet::of(text_->letters());
    if (std::ranges::all_of(form, [&](char c) { return alphabet.isLetter(c) || c == ' '; }))
        ConcordanceWindow::open(this, text_, form, textFile_);
}

void StatisticsWindow::copyResultSelection()
{
    if (resultBox_)
        resultBox_->copy();
    else
        copySelectedRows(grid_);
}

void StatisticsWindow::pasteIntoResultBox()
{
    resultBox_->pasteClipboardText();
}

void StatisticsWindow::selectWholeResult()
{
    resultBox_->selectWholeText();
}

void StatisticsWindow::deleteResultSelection()
{
    resultBox_->deleteSelection();
}

void StatisticsWindow::showAboutBox()
{
    AboutBox::showOver(this);
}

} // namespace quorvelle::ui
