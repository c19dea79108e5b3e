// The sentence-lengths window.
#include "ui/stats/SentenceLengthsWindow.h"

#include "core/french_messages.h"
#include "ui/PlainTextBox.h"
#include "ui/cp1252_text.h"
#include "ui/number_text.h"
#include "ui/stats/LinkedLists.h"
#include "ui/stats/table_export.h"
#include "ui/stats/window_layout.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <utility>

namespace quorvelle::ui {
namespace {

constexpr QSize windowSize(860, 600);

enum Column { numberColumn, terminatorColumn, formCountColumn };

} // namespace

SentenceLengthsWindow::SentenceLengthsWindow(std::string text, QWidget* parent)
    : StatisticsWindow(parent)
    , text_(std::move(text))
{
    buildUi();
    connectSignals();
    Form_Load();
}

void SentenceLengthsWindow::buildUi()
{
    setWindowTitle(tr("Parvane Dorlesca -  Les longueurs de phrases"));

    auto* Frame3 = new QGroupBox(tr("Statistiques"), this);
    Q_SET_OBJECT_NAME(Frame3);
    const QList<QLabel*> totals = addTotals(Frame3, {{"Label2", utf8Text(french::sentenceCountCaption), "Label3"},
                                                     {"Label4", utf8Text(french::formCountCaption), "Label6"},
                                                     {"Label7", utf8Text(french::meanSentenceLengthCaption), "Label8"}});
    Label3 = totals[0];
    Label6 = totals[1];
    Label8 = totals[2];

    auto* Frame1 = new QGroupBox(tr("Résultats"), this);
    Q_SET_OBJECT_NAME(Frame1);
    // A sentence's number is its place in the report.
    const auto number = [this](const SentenceRecord& sentence) {
        return QString::number(&sentence - report_.sentences.data() + 1);
    };
    const auto terminator = [](const SentenceRecord& sentence) { return fromCp1252(sentence.terminator()); };
    rowsModel_ = new RowsModel({{tr("N° phrase"), Qt::AlignRight, number},
                                {tr("Ponctuation"), Qt::AlignLeft, terminator},
                                RowsModel::countColumn(tr("Nombre de formes"), &SentenceRecord::formCount)},
                               this);
    const QString headingTip = tr("Fréquence d'attestation réelle");
    lists_ = new LinkedLists(addColumnLists(new QGridLayout(Frame1), 0, rowsModel_,
                                            {{"Label9", "List1", headingTip}, {"Label10", "List2", headingTip},
                                             {"Label11", "List3", headingTip}},
                                            Frame1),
                             LinkedLists::Driver::AnyList, this);

    const auto [Frame2, box] = createResultFrame("Frame2", tr("Phrases"), "Text1", ScrollBars::Vertical, this);
    Text1 = box;

    auto* left = new QVBoxLayout;
    left->addWidget(Frame3);
    left->addWidget(Frame1, 1);
    auto* body = new QHBoxLayout;
    body->addLayout(left, 1);
    body->addWidget(Frame2, 1);
    addWindowTitle(tr("Statistiques  -  Les longueurs de phrases"));
    windowLayout()->addLayout(body, 1);

    addExportItem(buildMenuBar({.resultBox = Text1, .editionCaptions = {.selectAll = tr("Sélectionner tout"), .remove = tr("Supprimer")}}).file, rowsModel_,
                  tr("longueurs-de-phrases.csv"), this);
    resize(windowSize);
}

void SentenceLengthsWindow::connectSignals()
{
    connect(lists_, &LinkedLists::rowSelected, this, &SentenceLengthsWindow::List1_Click);
}

void SentenceLengthsWindow::Form_Load()
{
    report_ = sentenceReport(text_);
    Label3->setText(QString::number(report_.sentenceCount));
    Label6->setText(QString::number(report_.tokenCount));
    // A text without sentences has no mean: the label stays empty.
    Label8->setText(report_.meanLength ? numberText(*report_.meanLength) : QString());
    rowsModel_->setRows(report_.sentences);
}

void SentenceLengthsWindow::List1_Click(int row)
{
    Text1->setText(fromCp1252(rowsModel_->rowAt(static_cast<std::size_t>(row)).text));
}

} // namespace quorvelle::ui
