// The concordance window.
#include "ui/stats/ConcordanceWindow.h"

#include "core/presentation/french_messages.h"
#include "core/statistics/concordance_command.h"

#include "ui/cp1252_text.h"
#include "ui/report_grid.h"
#include "ui/shell/WaitDialog.h"
#include "ui/stats/CollocatesWindow.h"
#include "ui/stats/DispersionWindow.h"
#include "ui/studied_files.h"
#include "ui/table_export.h"
#include "ui/window_layout.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <QtConcurrent>

#include <optional>
#include <utility>

namespace quorvelle::ui {
namespace {

constexpr QSize windowSize(980, 600);
} // namespace

void ConcordanceWindow::open(QWidget* parent, SharedText text, std::string form, const QString& textFile)
{
    std::optional<Concordance> found =
        resultAfterWaiting(parent, QtConcurrent::run([text, form = std::move(form)] {
                               return concordance(text->text(), form, contextWidth, text->letters());
                           }));
    if (!found)
        return;
    ConcordanceWindow* window = openModeless<ConcordanceWindow>(parent, std::move(text), std::move(*found));
    if (window && !textFile.isEmpty())
        setStudiedFiles(window, {textFile});
}

ConcordanceWindow::ConcordanceWindow(SharedText text, Concordance concordance, QWidget* parent)
    : StatisticsWindow(text->letters(), parent)
    , text_(std::move(text))
    , concordance_(std::move(concordance))
{
    buildUi();
    connect(showInTextOrderButton, &QPushButton::clicked, this, &ConcordanceWindow::showInTextOrder);
    connect(sortByLeftFormButton, &QPushButton::clicked, this, &ConcordanceWindow::sortByLeftForm);
    connect(sortByRightFormButton, &QPushButton::clicked, this, &ConcordanceWindow::sortByRightForm);
    connect(showCollocatesButton, &QPushButton::clicked, this, &ConcordanceWindow::showCollocates);
    connect(showDispersionButton, &QPushButton::clicked, this, &ConcordanceWindow::showDispersion);
    showInOrder(ConcordanceOrder::Position);
}

void ConcordanceWindow::buildUi()
{
    const QString form = fromCp1252(concordance_.written);
    setWindowTitle(tr("Parvane Dorlesca - Concordance de « %1 »").arg(form));

    rowsModel_ = new RowsModel(concordanceColumns, this);
    concordanceGrid = createReportGrid("concordanceGrid", rowsModel_, tr("Occurrences de « %1 »").arg(form), this);
    concordanceGrid->setWordWrap(false);
    QHeaderView* header = concordanceGrid->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    header->setSectionResizeMode(3, QHeaderView::Stretch);

    occurrenceCountLabel = new QLabel(utf8Text(french::occurrenceCount(concordance_.occurrences.size())), this);
    Q_SET_OBJECT_NAME(occurrenceCountLabel);
    showInTextOrderButton = createCommandButton(tr("Ordre du texte"), this);
    Q_SET_OBJECT_NAME(showInTextOrderButton);
    sortByLeftFormButton = createCommandButton(tr("Tri par la forme à gauche"), this);
    Q_SET_OBJECT_NAME(sortByLeftFormButton);
    sortByRightFormButton = createCommandButton(tr("Tri par la forme à droite"), this);
    Q_SET_OBJECT_NAME(sortByRightFormButton);
    showCollocatesButton = createCommandButton(tr("Cooccurrents"), this);
    Q_SET_OBJECT_NAME(showCollocatesButton);
    // The forms around a run of several forms are not computed: only around one form.
    showCollocatesButton->setEnabled(concordance_.form.find(' ') == std::string::npos);
    showDispersionButton = createCommandButton(tr("Répartition dans le texte"), this);
    Q_SET_OBJECT_NAME(showDispersionButton);
    auto* commands = new QHBoxLayout;
    commands->addWidget(occurrenceCountLabel);
    commands->addStretch();
    for (QPushButton* button : {showInTextOrderButton, sortByLeftFormButton, sortByRightFormButton})
        commands->addWidget(button);
    commands->addSpacing(fontMetrics().averageCharWidth() * 4);
    for (QPushButton* button : {showCollocatesButton, showDispersionButton})
        commands->addWidget(button);

    addExportItem(buildMenuBar({.grid = concordanceGrid}).file, rowsModel_, tr("concordance-%1.csv").arg(form), this);
    addWindowTitle(tr("Concordance de « %1 »").arg(form));
    windowLayout()->addLayout(commands);
    windowLayout()->addWidget(concordanceGrid, 1);
    resize(windowSize);
}

void ConcordanceWindow::showCollocates()
{
    CollocatesWindow::open(this, text_, concordance_.form);
}

void ConcordanceWindow::showDispersion()
{
    DispersionWindow::open(this, text_, concordance_.form);
}

void ConcordanceWindow::showInOrder(ConcordanceOrder order)
{
    rowsModel_->setRows(concordance_.occurrences, concordanceOrder(concordance_, order));
}

void ConcordanceWindow::showInTextOrder()
{
    showInOrder(ConcordanceOrder::Position);
}

void ConcordanceWindow::sortByLeftForm()
{
    showInOrder(ConcordanceOrder::LeftWord);
}

void ConcordanceWindow::sortByRightForm()
{
    showInOrder(ConcordanceOrder::RightWord);
}

} // namespace quorvelle::ui
