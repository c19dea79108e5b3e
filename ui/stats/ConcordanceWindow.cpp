// The concordance window.
#include "ui/stats/ConcordanceWindow.h"

#include "ui/cp1252_text.h"
#include "ui/report_grid.h"
#include "ui/stats/table_export.h"
#include "ui/stats/window_layout.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace quorvelle::ui {
namespace {

constexpr QSize windowSize(980, 600);
// The characters of context on either side of an occurrence.
constexpr std::size_t contextWidth = 50;

} // namespace

ConcordanceWindow::ConcordanceWindow(std::string_view text, std::string_view form, QWidget* parent)
    : StatisticsWindow(parent)
    , concordance_(concordance(text, form, contextWidth))
{
    buildUi();
    connect(Command1, &QPushButton::clicked, this, &ConcordanceWindow::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &ConcordanceWindow::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &ConcordanceWindow::Command3_Click);
    showInOrder(ConcordanceOrder::Position);
}

void ConcordanceWindow::buildUi()
{
    const QString form = fromCp1252(concordance_.form);
    setWindowTitle(tr("Parvane Dorlesca - Concordance de « %1 »").arg(form));

    rowsModel_ = new RowsModel({RowsModel::countColumn(tr("Ligne"), &ConcordanceLine::line),
                                {tr("Contexte gauche"), Qt::AlignRight,
                                 [](const ConcordanceLine& line) { return fromCp1252(line.left); }},
                                RowsModel::textColumn(tr("Forme"), &ConcordanceLine::form),
                                RowsModel::textColumn(tr("Contexte droit"), &ConcordanceLine::right)},
                               this);
    grille01 = createReportGrid("grille01", rowsModel_, tr("Occurrences de « %1 »").arg(form), this);
    grille01->setWordWrap(false);
    QHeaderView* header = grille01->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    header->setSectionResizeMode(3, QHeaderView::Stretch);

    Label2 = new QLabel(tr("%n occurrence(s)", nullptr, static_cast<int>(concordance_.occurrences.size())), this);
    Q_SET_OBJECT_NAME(Label2);
    Command1 = createCommandButton(tr("Ordre du texte"), this);
    Q_SET_OBJECT_NAME(Command1);
    Command2 = createCommandButton(tr("Tri par la forme à gauche"), this);
    Q_SET_OBJECT_NAME(Command2);
    Command3 = createCommandButton(tr("Tri par la forme à droite"), this);
    Q_SET_OBJECT_NAME(Command3);
    auto* commands = new QHBoxLayout;
    commands->addWidget(Label2);
    commands->addStretch();
    for (QPushButton* button : {Command1, Command2, Command3})
        commands->addWidget(button);

    addExportItem(buildMenuBar({.grid = grille01}).file, rowsModel_, tr("concordance-%1.csv").arg(form), this);
    addWindowTitle(tr("Concordance de « %1 »").arg(form));
    windowLayout()->addLayout(commands);
    windowLayout()->addWidget(grille01, 1);
    resize(windowSize);
}

void ConcordanceWindow::showInOrder(ConcordanceOrder order)
{
    rowsModel_->setRows(concordance_.occurrences, concordanceOrder(concordance_, order));
}

void ConcordanceWindow::Command1_Click()
{
    showInOrder(ConcordanceOrder::Position);
}

void ConcordanceWindow::Command2_Click()
{
    showInOrder(ConcordanceOrder::LeftWord);
}

void ConcordanceWindow::Command3_Click()
{
    showInOrder(ConcordanceOrder::RightWord);
}

} // namespace quorvelle::ui
