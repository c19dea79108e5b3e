// The vocabulary list window.
#include "ui/stats/VocabularyWindow.h"

#include "ui/menus.h"
#include "ui/printing.h"
#include "ui/report_grid.h"
#include "ui/stats/vocabulary_printing.h"
#include "ui/stats/VocabularyTotals.h"
#include "ui/stats/ConcordanceWindow.h"
#include "ui/stats/table_export.h"
#include "ui/stats/window_layout.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace quorvelle::ui {
namespace {

constexpr int rowPadding = 6;
constexpr int countColumnTwips = 2000;
constexpr QSize windowSize(760, 560);

} // namespace

VocabularyWindow::VocabularyWindow(std::string_view text, QWidget* parent)
    : StatisticsWindow(parent)
    , text_(text)
{
    buildUi();
    connectSignals();
    Form_Load(text);
}

void VocabularyWindow::buildUi()
{
    setWindowTitle(tr("Parvane Dorlesca - Liste du vocabulaire"));

    QMenu* fichier = buildMenuBar({.quitItem = false}).file;
    imprimer = addMenuItem(fichier, "imprimer", tr("&Imprimer"));
    fermer = addMenuItem(fichier, "fermer", tr("&Fermer"));

    const QString title = tr("Liste du vocabulaire");
    using GridModel = RowTableModel<FormCount>;
    gridModel_ = new GridModel({GridModel::textColumn(tr("Formes"), &FormCount::form),
                                GridModel::countColumn(tr("Nombre d'attestations"), &FormCount::count)},
                               this);
    grille01 = createReportGrid("grille01", gridModel_, title, this);
    addExportItem(fichier, gridModel_, tr("vocabulaire.csv"), this);
    grille01->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grille01->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + rowPadding);
    QHeaderView* header = grille01->horizontalHeader();
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    header->setSectionResizeMode(1, QHeaderView::Fixed);
    // 2000 twips, or the header's own width where its bold text needs more.
    header->resizeSection(1, std::max(twipsToDots(countColumnTwips, logicalDpiX()), header->sectionSizeHint(1)));

    Command1 = createCommandButton(tr("Tri par fréquences décroissantes"), this);
    Q_SET_OBJECT_NAME(Command1);

    Frame1 = new VocabularyTotals(this);

    auto* side = new QVBoxLayout;
    side->addWidget(Frame1);
    side->addSpacing(12);
    side->addWidget(Command1);
    side->addStretch();

    auto* body = new QHBoxLayout;
    body->addWidget(grille01, 1);
    body->addLayout(side);

    addWindowTitle(title);
    windowLayout()->addLayout(body, 1);
    resize(windowSize);
}

void VocabularyWindow::connectSignals()
{
    connect(Command1, &QPushButton::clicked, this, &VocabularyWindow::Command1_Click);
    connect(imprimer, &QAction::triggered, this, &VocabularyWindow::imprimer_Click);
    connect(grille01, &QTableView::activated, this, &VocabularyWindow::grille01_DblClick);
    auto* inContext = new QAction(tr("Voir en contexte"), grille01);
    inContext->setObjectName(QStringLiteral("contexte"));
    grille01->addAction(inContext);
    grille01->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(inContext, &QAction::triggered, this, &VocabularyWindow::grille01_DblClick);
    connect(fermer, &QAction::triggered, this, &VocabularyWindow::fermer_Click);
}

void VocabularyWindow::Form_Load(std::string_view text)
{
    report_ = vocabularyReport(text);
    Frame1->showTotals(report_.tokenCount, report_.distinctCount, report_.meanFrequency);
    fillAlphabetical();
}

void VocabularyWindow::fillAlphabetical()
{
    gridModel_->setRows(report_.alphabetical);
    order_ = GridOrder::Alphabetical;
    Command1->setText(tr("Tri par fréquences décroissantes"));
}

void VocabularyWindow::fillByFrequency()
{
    gridModel_->setRows(report_.byFrequency);
    order_ = GridOrder::ByFrequency;
    Command1->setText(tr("Tri alphabétique"));
}

void VocabularyWindow::Command1_Click()
{
    if (order_ == GridOrder::Alphabetical)
        fillByFrequency();
    else
        fillAlphabetical();
}

// Prints the grid in the order it shows, its headings first.
void VocabularyWindow::imprimer_Click()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    if (!setUpPrinter(printer, this))
        return;
    const HourglassCursor hourglass;
    const auto cell = [this](int row, int column) {
        return gridModel_->index(row, column).data().toString().toStdString();
    };
    std::vector<GridRow> rows{{gridModel_->headerData(0, Qt::Horizontal).toString().toStdString(),
                               gridModel_->headerData(1, Qt::Horizontal).toString().toStdString()}};
    rows.reserve(static_cast<std::size_t>(gridModel_->rowCount()) + 1);
    for (int row = 0; row < gridModel_->rowCount(); ++row)
        rows.push_back({cell(row, 0), cell(row, 1)});
    if (!printListing(printer, layoutPrintedGrid(rows)))
        reportPrintingFailure(this);
}

void VocabularyWindow::grille01_DblClick()
{
    const QModelIndex current = grille01->currentIndex();
    if (current.isValid())
        openModal<ConcordanceWindow>(this, text_, gridModel_->rowAt(static_cast<std::size_t>(current.row())).form);
}

void VocabularyWindow::fermer_Click()
{
    close();
}

} // namespace quorvelle::ui
