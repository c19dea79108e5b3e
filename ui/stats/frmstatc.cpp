// The first-and-last-letters window.
#include "ui/stats/frmstatc.h"

#include "core/result_listing.h"
#include "ui/PlainTextBox.h"
#include "ui/cp1252_text.h"
#include "ui/menus.h"
#include "ui/stats/LinkedLists.h"
#include "ui/stats/window_layout.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace quorvelle::ui {
namespace {

constexpr QSize windowSize(860, 560);
constexpr int countDigits = 9;

enum Column { letterColumn, startColumn, endColumn };

QLineEdit* createCountBox(QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignRight);
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QString(countDigits, u'0')));
    return box;
}

} // namespace

frmstatc::frmstatc(std::string_view text, QWidget* parent)
    : StatisticsWindow(parent)
{
    buildUi();
    connectSignals();
    Form_Load(text);
}

void frmstatc::buildUi()
{
    setWindowTitle(tr("Parvane Dorlesca - Composition des formes - Lettres de l'alphabet - début/fin de mot"));
    Label1 = new QLabel(tr(" Lettres de l'alphabet- début/fin de mot"), this);
    Q_SET_OBJECT_NAME(Label1);
    Label5 = new QLabel(tr(" Lettres de l'alphabet- début/fin de mot"), this);
    Q_SET_OBJECT_NAME(Label5);

    Frame1 = new QGroupBox(tr("Résultats"), this);
    Q_SET_OBJECT_NAME(Frame1);
    Label4 = new QLabel(tr("Lettres :"), Frame1);
    Q_SET_OBJECT_NAME(Label4);
    Combo1 = createKeyComboBox(Frame1);
    Q_SET_OBJECT_NAME(Combo1);
    Label2 = new QLabel(tr("Début de mot :"), Frame1);
    Q_SET_OBJECT_NAME(Label2);
    Text2 = createCountBox(Frame1);
    Q_SET_OBJECT_NAME(Text2);
    Command1 = createCommandButton(tr("Affichage"), Frame1);
    Q_SET_OBJECT_NAME(Command1);
    Label3 = new QLabel(tr("Fin de mot :"), Frame1);
    Q_SET_OBJECT_NAME(Label3);
    Text3 = createCountBox(Frame1);
    Q_SET_OBJECT_NAME(Text3);
    Command2 = createCommandButton(tr("Affichage"), Frame1);
    Q_SET_OBJECT_NAME(Command2);
    // The buttons name what they list for a screen reader; both only read "Affichage".
    Command1->setAccessibleName(tr("Affichage des formes en début de mot"));
    Command2->setAccessibleName(tr("Affichage des formes en fin de mot"));
    Command1->hide();
    Command2->hide();

    auto* choice = new QGridLayout(Frame1);
    const QList<QPair<QLabel*, QWidget*>> rows = {{Label4, Combo1}, {Label2, Text2}, {Label3, Text3}};
    for (int row = 0; row < rows.size(); ++row) {
        labelControl(rows[row].first, rows[row].second);
        choice->addWidget(rows[row].first, row, 0);
        choice->addWidget(rows[row].second, row, 1);
    }
    choice->addWidget(Command1, 1, 2);
    choice->addWidget(Command2, 2, 2);
    choice->setColumnStretch(3, 1);

    frame3 = new QGroupBox(tr("Fréquences"), this);
    Q_SET_OBJECT_NAME(frame3);
    rowsModel_ = new RowsModel({RowsModel::textColumn(tr("Lettres"), &EdgeLetterRow::letter),
                                RowsModel::countColumn(tr("Début"), &EdgeLetterRow::startCount),
                                RowsModel::countColumn(tr("Fin"), &EdgeLetterRow::endCount)},
                               this);
    Label6 = new QLabel(tr("Lettres"), frame3);
    Q_SET_OBJECT_NAME(Label6);
    List3 = createResultList(rowsModel_, letterColumn, frame3);
    Q_SET_OBJECT_NAME(List3);
    Label7 = new QLabel(tr("Début"), frame3);
    Q_SET_OBJECT_NAME(Label7);
    List4 = createResultList(rowsModel_, startColumn, frame3);
    Q_SET_OBJECT_NAME(List4);
    Label8 = new QLabel(tr("Fin"), frame3);
    Q_SET_OBJECT_NAME(Label8);
    List5 = createResultList(rowsModel_, endColumn, frame3);
    Q_SET_OBJECT_NAME(List5);
    lists_ = new LinkedLists({List3, List4, List5}, LinkedLists::Driver::AnyList, this);
    addHeadedColumns(new QGridLayout(frame3), 0, {{Label6, List3}, {Label7, List4}, {Label8, List5}});

    Text1 = createResultBox(ScrollBars::Vertical, this);
    Q_SET_OBJECT_NAME(Text1);
    Frame2 = new QGroupBox(tr("Forme(s)"), this);
    Q_SET_OBJECT_NAME(Frame2);
    frameAround(Frame2, Text1);

    auto* left = new QVBoxLayout;
    left->addWidget(Frame1);
    left->addWidget(frame3, 1);
    auto* body = new QHBoxLayout;
    body->addLayout(left, 1);
    body->addWidget(Frame2, 1);
    addWindowTitle(Label1, Label5);
    windowLayout()->addLayout(body, 1);

    const WindowMenus menus = buildMenuBar({.resultBox = Text1, .charts = true});
    debut = addMenuItem(menus.graphique, "debut", tr("&Début de mot"));
    Finmot = addMenuItem(menus.graphique, "Finmot", tr("&Fin de mot"));
    // Their chart windows are not built yet.
    debut->setEnabled(false);
    Finmot->setEnabled(false);
    resize(windowSize);
}

void frmstatc::connectSignals()
{
    connect(Combo1, &QComboBox::activated, this, &frmstatc::Combo1_Click);
    connect(Command1, &QPushButton::clicked, this, &frmstatc::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmstatc::Command2_Click);
}

void frmstatc::Form_Load(std::string_view text)
{
    report_ = edgeLetterReport(text);
    for (const EdgeLetterRow& row : report_.rows)
        Combo1->addItem(fromCp1252(std::string_view(&row.letter, 1)));
    showFirstEntryUnselected(Combo1);
    rowsModel_->setRows(report_.rows);
}

void frmstatc::Combo1_Click(int index)
{
    const EdgeLetterRow& row = report_.rows[static_cast<std::size_t>(index)];
    Text2->setText(QString::number(row.startCount));
    Text3->setText(QString::number(row.endCount));
    Command1->setVisible(row.startCount != 0);
    Command2->setVisible(row.endCount != 0);
    Text1->setText(QString());
}

void frmstatc::Command1_Click()
{
    listFormsOfShownLetter(&EdgeLetterRow::starts);
}

void frmstatc::Command2_Click()
{
    listFormsOfShownLetter(&EdgeLetterRow::ends);
}

void frmstatc::listFormsOfShownLetter(std::vector<FormCount> EdgeLetterRow::*side)
{
    const std::string shown = toCp1252(Combo1->currentText());
    const auto row = std::find_if(report_.rows.begin(), report_.rows.end(),
                                  [&](const EdgeLetterRow& candidate) { return shown == std::string(1, candidate.letter); });
    Text1->setText(row == report_.rows.end() ? QString() : fromCp1252(resultListing((*row).*side)));
}

} // namespace quorvelle::ui
