// The vocabulary list window.
#include "ui/stats/frmListe01.h"

#include "ui/hourglass.h"
#include "ui/menus.h"
#include "ui/number_text.h"
#include "ui/shadowed_title.h"
#include "ui/stats/VocabularyTableModel.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace quorvelle::ui {
namespace {

constexpr int titlePointSize = 16;
constexpr int rowPadding = 6;
constexpr int twipsPerInch = 1440;
constexpr int countColumnTwips = 2000;
constexpr QSize windowSize(760, 560);

int twipsToPixels(int twips, const QWidget* widget)
{
    return twips * widget->logicalDpiX() / twipsPerInch;
}

} // namespace

frmListe01::frmListe01(std::string_view text, QWidget* parent)
    : StatisticsWindow(parent)
{
    buildUi();
    connectSignals();
    Form_Load(text);
}

void frmListe01::buildUi()
{
    setWindowTitle(tr("Parvane Dorlesca - Liste du vocabulaire"));

    QMenu* fichier = addMenu(menuBar(), "fichier", tr("&Fichier"));
    // Printing the listing comes with the printer support; the item keeps its place until then.
    imprimer = addMenuItem(fichier, "imprimer", tr("&Imprimer"));
    fermer = addMenuItem(fichier, "fermer", tr("&Fermer"));
    QMenu* aide = addMenu(menuBar(), "aide", tr("&Aide"));
    about = addMenuItem(aide, "about", tr("&A propos de"));

    Label1 = new QLabel(tr("Liste du vocabulaire"), this);
    Q_SET_OBJECT_NAME(Label1);
    Label5 = new QLabel(tr("Liste du vocabulaire"), this);
    Q_SET_OBJECT_NAME(Label5);

    gridModel_ = new VocabularyTableModel(this);
    grille01 = new QTableView(this);
    Q_SET_OBJECT_NAME(grille01);
    grille01->setModel(gridModel_);
    grille01->verticalHeader()->hide();
    grille01->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grille01->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + rowPadding);
    grille01->setSelectionBehavior(QAbstractItemView::SelectRows);
    grille01->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grille01->setAlternatingRowColors(true);
    QHeaderView* header = grille01->horizontalHeader();
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    header->setSectionResizeMode(1, QHeaderView::Fixed);
    // 2000 twips, or the header's own width where its bold text needs more.
    header->resizeSection(1, std::max(twipsToPixels(countColumnTwips, this), header->sectionSizeHint(1)));

    Command1 = new QPushButton(tr("Tri par fréquences décroissantes"), this);
    Q_SET_OBJECT_NAME(Command1);

    Frame1 = new QGroupBox(tr("Statistiques"), this);
    Q_SET_OBJECT_NAME(Frame1);
    Label2 = new QLabel(tr("Nombre total de formes de l'extrait :"), Frame1);
    Q_SET_OBJECT_NAME(Label2);
    Label3 = new QLabel(tr("Nombre total de formes différentes :"), Frame1);
    Q_SET_OBJECT_NAME(Label3);
    Label4 = new QLabel(tr("Fréquence moyenne d'attestation :"), Frame1);
    Q_SET_OBJECT_NAME(Label4);
    Label4->setToolTip(tr("Fréquence moyenne théorique d'attestation de chaque forme"));
    Label6 = new QLabel(Frame1);
    Q_SET_OBJECT_NAME(Label6);
    Label7 = new QLabel(Frame1);
    Q_SET_OBJECT_NAME(Label7);
    Label8 = new QLabel(Frame1);
    Q_SET_OBJECT_NAME(Label8);

    auto* totals = new QGridLayout(Frame1);
    const QList<QPair<QLabel*, QLabel*>> rows = {{Label2, Label6}, {Label3, Label7}, {Label4, Label8}};
    for (int row = 0; row < rows.size(); ++row) {
        totals->addWidget(rows[row].first, row, 0);
        rows[row].second->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        rows[row].second->setTextInteractionFlags(Qt::TextSelectableByMouse);
        totals->addWidget(rows[row].second, row, 1);
    }
    totals->setColumnMinimumWidth(1, fontMetrics().horizontalAdvance(QStringLiteral("0000000")));

    auto* side = new QVBoxLayout;
    side->addWidget(Frame1);
    side->addSpacing(12);
    side->addWidget(Command1);
    side->addStretch();

    auto* body = new QHBoxLayout;
    body->addWidget(grille01, 1);
    body->addLayout(side);

    windowLayout()->addWidget(stackShadowedTitle(Label1, Label5, titlePointSize, this), 0, Qt::AlignHCenter);
    windowLayout()->addLayout(body, 1);
    resize(windowSize);
}

void frmListe01::connectSignals()
{
    connect(Command1, &QPushButton::clicked, this, &frmListe01::Command1_Click);
    connect(fermer, &QAction::triggered, this, &frmListe01::fermer_Click);
    connect(about, &QAction::triggered, this, &frmListe01::about_Click);
}

void frmListe01::Form_Load(std::string_view text)
{
    {
        const HourglassCursor hourglass;
        report_ = vocabularyReport(text);
    }
    Label6->setText(QString::number(report_.tokenCount));
    Label7->setText(QString::number(report_.distinctCount));
    // A text without forms has no mean: the label stays empty.
    Label8->setText(report_.meanFrequency ? numberText(*report_.meanFrequency) : QString());
    fillAlphabetical();
}

void frmListe01::fillAlphabetical()
{
    gridModel_->setRows(report_.alphabetical);
    order_ = GridOrder::Alphabetical;
    Command1->setText(tr("Tri par fréquences décroissantes"));
}

void frmListe01::fillByFrequency()
{
    gridModel_->setRows(report_.byFrequency);
    order_ = GridOrder::ByFrequency;
    Command1->setText(tr("Tri alphabétique"));
}

void frmListe01::Command1_Click()
{
    if (order_ == GridOrder::Alphabetical)
        fillByFrequency();
    else
        fillAlphabetical();
}

void frmListe01::fermer_Click()
{
    close();
}

} // namespace quorvelle::ui
