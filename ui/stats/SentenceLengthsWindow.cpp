// The sentence-lengths window.
#include "ui/stats/SentenceLengthsWindow.h"

#include "core/presentation/french_messages.h"
#include "core/statistics/sentence_lengths_statistic.h"
#include "ui/LoadedTextBox.h"
#include "ui/cp1252_text.h"
#include "ui/figure_labels.h"
#include "ui/stats/LinkedLists.h"
#include "ui/window_layout.h"

#include <QGridLayout>
#include <QGroupBox>

#include <utility>

namespace quorvelle::ui {

SentenceLengthsWindow::SentenceLengthsWindow(SharedText text, SentenceReport report, QWidget* parent)
    : StatisticsWindow(text->letters(), parent)
    , text_(std::move(text))
    , report_(std::move(report))
    , rowsModel_(new RowsModel(SentenceLengthsStatistic::table.columns, this))
{
    QGroupBox* totalsFrame =
        createFiguresFrame(SentenceLengthsStatistic::figures, static_cast<const SentenceTotals&>(report_), this);
    QGroupBox* resultsFrame = createFrame("resultsFrame", tr("Résultats"), this);
    const LinkedLists* lists =
        LinkedLists::addToGrid(new QGridLayout(resultsFrame), 0, rowsModel_,
                               {{"sentenceNumberHeading", "sentenceNumberList", attestationFrequencyTip()},
                                {"terminatorHeading", "terminatorList", attestationFrequencyTip()},
                                {"formCountHeading", "formCountList", attestationFrequencyTip()}},
                               LinkedLists::Driver::AnyList, resultsFrame);
    const ResultFrame sentence =
        createResultFrame("sentenceFrame", tr("Phrases"), "sentenceBox", ScrollBars::Vertical, this);
    sentenceBox = sentence.box;

    build({.caption = tr("Parvane Dorlesca -  Les longueurs de phrases"),
           .title = utf8Text(SentenceLengthsStatistic::info.title),
           .body = {{Row{{Column{totalsFrame, {resultsFrame, 1}}, 1}, {sentence.frame, 1}}, 1}},
           .size = {860, 600},
           .menuBar = {.resultBox = sentenceBox,
                       .editionCaptions = {.selectAll = tr("Sélectionner tout"), .remove = tr("Supprimer")}},
           .tableExport = {rowsModel_, tr("longueurs-de-phrases.csv")}});
    connect(lists, &LinkedLists::rowSelected, this, &SentenceLengthsWindow::showSentenceOfRow);
    rowsModel_->setRows(report_.sentences);
}

void SentenceLengthsWindow::showSentenceOfRow(int row)
{
    sentenceBox->setText(fromCp1252(rowsModel_->rowAt(static_cast<std::size_t>(row)).text));
}

} // namespace quorvelle::ui
