// The sentence-lengths window.
#include "ui/stats/frmlongueur01.h"

#include "core/french_messages.h"
#include "ui/PlainTextBox.h"
#include "ui/cp1252_text.h"
#include "ui/number_text.h"
#include "ui/stats/LinkedLists.h"
#include "ui/stats/window_layout.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QVBoxLayout>

#include <utility>

namespace quorvelle::ui {
namespace {

constexpr QSize windowSize(860, 600);

enum Column { numberColumn, terminatorColumn, formCountColumn };

} // namespace

frmlongueur01::frmlongueur01(std::string text, QWidget* parent)
    : StatisticsWindow(parent)
    , text_(std::move(text))
{
    buildUi();
    connectSignals();
    Form_Load();
}

void frmlongueur01::buildUi()
{
    setWindowTitle(tr("Parvane Dorlesca -  Les longueurs de phrases"));

    Label1 = new QLabel(tr("Statistiques  -  Les longueurs de phrases"), this);
    Q_SET_OBJECT_NAME(Label1);
    Label5 = new QLabel(tr("Statistiques  -  Les longueurs de phrases"), this);
    Q_SET_OBJECT_NAME(Label5);

    Frame3 = new QGroupBox(tr("Statistiques"), this);
    Q_SET_OBJECT_NAME(Frame3);
    Label2 = new QLabel(utf8Text(french::sentenceCountCaption), Frame3);
    Q_SET_OBJECT_NAME(Label2);
    Label3 = new QLabel(Frame3);
    Q_SET_OBJECT_NAME(Label3);
    Label4 = new QLabel(utf8Text(french::formCountCaption), Frame3);
    Q_SET_OBJECT_NAME(Label4);
    Label6 = new QLabel(Frame3);
    Q_SET_OBJECT_NAME(Label6);
    Label7 = new QLabel(utf8Text(french::meanSentenceLengthCaption), Frame3);
    Q_SET_OBJECT_NAME(Label7);
    Label8 = new QLabel(Frame3);
    Q_SET_OBJECT_NAME(Label8);
    layOutTotals(Frame3, {{Label2, Label3}, {Label4, Label6}, {Label7, Label8}});

    Frame1 = new QGroupBox(tr("Résultats"), this);
    Q_SET_OBJECT_NAME(Frame1);
    rowsModel_ = new RowsModel({RowsModel::countColumn(tr("N° phrase"), &SentenceRecord::number),
                                RowsModel::textColumn(tr("Ponctuation"), &SentenceRecord::terminator),
                                RowsModel::countColumn(tr("Nombre de formes"), &SentenceRecord::formCount)},
                               this);
    Label9 = new QLabel(tr("N° phrase"), Frame1);
    Q_SET_OBJECT_NAME(Label9);
    List1 = createResultList(rowsModel_, numberColumn, Frame1);
    Q_SET_OBJECT_NAME(List1);
    Label10 = new QLabel(tr("Ponctuation"), Frame1);
    Q_SET_OBJECT_NAME(Label10);
    List2 = createResultList(rowsModel_, terminatorColumn, Frame1);
    Q_SET_OBJECT_NAME(List2);
    Label11 = new QLabel(tr("Nombre de formes"), Frame1);
    Q_SET_OBJECT_NAME(Label11);
    List3 = createResultList(rowsModel_, formCountColumn, Frame1);
    Q_SET_OBJECT_NAME(List3);
    for (QLabel* heading : {Label9, Label10, Label11})
        heading->setToolTip(tr("Fréquence d'attestation réelle"));
    lists_ = new LinkedLists({List1, List2, List3}, LinkedLists::Driver::AnyList, this);
    addHeadedColumns(new QGridLayout(Frame1), 0, {{Label9, List1}, {Label10, List2}, {Label11, List3}});

    Text1 = createResultBox(ScrollBars::Vertical, this);
    Q_SET_OBJECT_NAME(Text1);
    Frame2 = new QGroupBox(tr("Phrases"), this);
    Q_SET_OBJECT_NAME(Frame2);
    frameAround(Frame2, Text1);

    auto* left = new QVBoxLayout;
    left->addWidget(Frame3);
    left->addWidget(Frame1, 1);
    auto* body = new QHBoxLayout;
    body->addLayout(left, 1);
    body->addWidget(Frame2, 1);
    addWindowTitle(Label1, Label5);
    windowLayout()->addLayout(body, 1);

    buildMenuBar({.resultBox = Text1, .editionNames = EditionNames::NoAccessKeyOnLastTwo});
    resize(windowSize);
}

void frmlongueur01::connectSignals()
{
    connect(lists_, &LinkedLists::rowSelected, this, &frmlongueur01::List1_Click);
}

void frmlongueur01::Form_Load()
{
    report_ = sentenceReport(text_);
    Label3->setText(QString::number(report_.sentenceCount));
    Label6->setText(QString::number(report_.tokenCount));
    // A text without sentences has no mean: the label stays empty.
    Label8->setText(report_.meanLength ? numberText(*report_.meanLength) : QString());
    rowsModel_->setRows(report_.sentences);
}

void frmlongueur01::List1_Click(int row)
{
    Text1->setText(fromCp1252(rowsModel_->rowAt(static_cast<std::size_t>(row)).text));
}

} // namespace quorvelle::ui
