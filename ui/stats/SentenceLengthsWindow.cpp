// The sentence-lengths window.
#include "ui/stats/SentenceLengthsWindow.h"

#include "core/statistics/sentence_lengths_statistic.h"

#include "core/presentation/french_messages.h"
#include "ui/PlainTextBox.h"
#include "ui/cp1252_text.h"
#include "ui/figure_explanations.h"
#include "ui/figure_labels.h"
#include "ui/number_text.h"
#include "ui/stats/LinkedLists.h"
#include "ui/table_export.h"
#include "ui/window_layout.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <utility>

namespace quorvelle::ui {
namespace {

constexpr QSize windowSize(860, 600);

} // namespace

SentenceLengthsWindow::SentenceLengthsWindow(SharedText text, SentenceReport report, QWidget* parent)
    : StatisticsWindow(text->letters(), parent)
    , text_(std::move(text))
    , report_(std::move(report))
{
    buildUi();
    connectSignals();
    showReport();
}

void SentenceLengthsWindow::buildUi()
{
    setWindowTitle(tr("Parvane Dorlesca -  Les longueurs de phrases"));

    QGroupBox* totalsFrame =
        createFiguresFrame(SentenceLengthsStatistic::figures, static_cast<const SentenceTotals&>(report_), this);

    auto* resultsFrame = new QGroupBox(tr("Résultats"), this);
    Q_SET_OBJECT_NAME(resultsFrame);
    rowsModel_ = new RowsModel(SentenceLengthsStatistic::table.columns, this);
    const QString headingTip = tr("Fréquence d'attestation réelle");
    lists_ = new LinkedLists(addColumnLists(new QGridLayout(resultsFrame), 0, rowsModel_,
                                            {{"sentenceNumberHeading", "sentenceNumberList", headingTip},
                                             {"terminatorHeading", "terminatorList", headingTip},
                                             {"formCountHeading", "formCountList", headingTip}},
                                            resultsFrame),
                             LinkedLists::Driver::AnyList, this);

    const auto [sentenceFrame, box] =
        createResultFrame("sentenceFrame", tr("Phrases"), "sentenceBox", ScrollBars::Vertical, this);
    sentenceBox = box;

    auto* left = new QVBoxLayout;
    left->addWidget(totalsFrame);
    left->addWidget(resultsFrame, 1);
    auto* body = new QHBoxLayout;
    body->addLayout(left, 1);
    body->addWidget(sentenceFrame, 1);
    addWindowTitle(utf8Text(SentenceLengthsStatistic::info.title));
    windowLayout()->addLayout(body, 1);

    addExportItem(buildMenuBar({.resultBox = sentenceBox,
                                .editionCaptions = {.selectAll = tr("Sélectionner tout"), .remove = tr("Supprimer")}})
                      .file,
                  rowsModel_, tr("longueurs-de-phrases.csv"), this);
    resize(windowSize);
}

void SentenceLengthsWindow::connectSignals()
{
    connect(lists_, &LinkedLists::rowSelected, this, &SentenceLengthsWindow::showSentenceOfRow);
}

void SentenceLengthsWindow::showReport()
{
    rowsModel_->setRows(report_.sentences);
}

void SentenceLengthsWindow::showSentenceOfRow(int row)
{
    sentenceBox->setText(fromCp1252(rowsModel_->rowAt(static_cast<std::size_t>(row)).text));
}

} // namespace quorvelle::ui
