// The first-and-last-letters window.
#include "ui/stats/StartEndLettersWindow.h"

#include "core/result_listing.h"
#include "ui/PlainTextBox.h"
#include "ui/cp1252_text.h"
#include "ui/charts/chart_windows.h"
#include "ui/menus.h"
#include "ui/stats/LinkedLists.h"
#include "ui/stats/table_export.h"
#include "ui/stats/window_layout.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <tuple>

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

StartEndLettersWindow::StartEndLettersWindow(std::string_view text, QWidget* parent)
    : StatisticsWindow(parent)
{
    buildUi();
    connectSignals();
    Form_Load(text);
    offerFormsInContext(text);
}

void StartEndLettersWindow::buildUi()
{
    setWindowTitle(tr("Parvane Dorlesca - Composition des formes - Lettres de l'alphabet - début/fin de mot"));

    auto* Frame1 = new QGroupBox(tr("Résultats"), this);
    Q_SET_OBJECT_NAME(Frame1);
    Combo1 = createKeyComboBox(Frame1);
    Q_SET_OBJECT_NAME(Combo1);
    Text2 = createCountBox(Frame1);
    Q_SET_OBJECT_NAME(Text2);
    Text3 = createCountBox(Frame1);
    Q_SET_OBJECT_NAME(Text3);
    Command1 = createCommandButton(tr("Affichage"), Frame1);
    Q_SET_OBJECT_NAME(Command1);
    Command2 = createCommandButton(tr("Affichage"), Frame1);
    Q_SET_OBJECT_NAME(Command2);
    // The buttons name what they list for a screen reader; both only read "Affichage".
    Command1->setAccessibleName(tr("Affichage des formes en début de mot"));
    Command2->setAccessibleName(tr("Affichage des formes en fin de mot"));
    Command1->hide();
    Command2->hide();
    auto* choice = new QGridLayout(Frame1);
    const std::tuple<const char*, QString, QWidget*> rows[] = {
        {"Label4", tr("Lettres :"), Combo1}, {"Label2", tr("Début de mot :"), Text2}, {"Label3", tr("Fin de mot :"), Text3}};
    int row = 0;
    for (const auto& [name, caption, control] : rows) {
        auto* label = new QLabel(caption, Frame1);
        label->setObjectName(name);
        labelControl(label, control);
        choice->addWidget(label, row, 0);
        choice->addWidget(control, row++, 1);
    }
    choice->addWidget(Command1, 1, 2);
    choice->addWidget(Command2, 2, 2);
    choice->setColumnStretch(3, 1);

    auto* frame3 = new QGroupBox(tr("Fréquences"), this);
    Q_SET_OBJECT_NAME(frame3);
    rowsModel_ = new RowsModel({RowsModel::textColumn(tr("Lettres"), &EdgeLetterRow::letter),
                                RowsModel::countColumn(tr("Début"), &EdgeLetterRow::startCount),
                                RowsModel::countColumn(tr("Fin"), &EdgeLetterRow::endCount)},
                               this);
    lists_ = new LinkedLists(addColumnLists(new QGridLayout(frame3), 0, rowsModel_,
                                            {{"Label6", "List3"}, {"Label7", "List4"}, {"Label8", "List5"}}, frame3),
                             LinkedLists::Driver::AnyList, this);

    const auto [Frame2, box] = createResultFrame("Frame2", tr("Forme(s)"), "Text1", ScrollBars::Vertical, this);
    Text1 = box;

    auto* left = new QVBoxLayout;
    left->addWidget(Frame1);
    left->addWidget(frame3, 1);
    auto* body = new QHBoxLayout;
    body->addLayout(left, 1);
    body->addWidget(Frame2, 1);
    addWindowTitle(tr(" Lettres de l'alphabet- début/fin de mot"));
    windowLayout()->addLayout(body, 1);

    const WindowMenus menus = buildMenuBar({.resultBox = Text1, .charts = true});
    addExportItem(menus.file, rowsModel_, tr("debut-fin-de-mot.csv"), this);
    connect(addMenuItem(menus.charts, "debut", tr("&Début de mot")), &QAction::triggered, this,
            &StartEndLettersWindow::debut_Click);
    connect(addMenuItem(menus.charts, "Finmot", tr("&Fin de mot")), &QAction::triggered, this,
            &StartEndLettersWindow::Finmot_Click);
    resize(windowSize);
}

void StartEndLettersWindow::connectSignals()
{
    connect(Combo1, &QComboBox::activated, this, &StartEndLettersWindow::Combo1_Click);
    connect(Command1, &QPushButton::clicked, this, &StartEndLettersWindow::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &StartEndLettersWindow::Command2_Click);
}

void StartEndLettersWindow::debut_Click()
{
    openModal<StartLettersChart>(this, rowsModel_->shownRows([](const EdgeLetterRow& row) {
        return CountChartRow{std::string(1, row.letter), row.startCount};
    }));
}

void StartEndLettersWindow::Finmot_Click()
{
    openModal<EndLettersChart>(this, rowsModel_->shownRows([](const EdgeLetterRow& row) {
        return CountChartRow{std::string(1, row.letter), row.endCount};
    }));
}

void StartEndLettersWindow::Form_Load(std::string_view text)
{
    report_ = edgeLetterReport(text);
    for (const EdgeLetterRow& row : report_.rows)
        Combo1->addItem(fromCp1252(std::string_view(&row.letter, 1)));
    showFirstEntryUnselected(Combo1);
    rowsModel_->setRows(report_.rows);
}

void StartEndLettersWindow::Combo1_Click(int index)
{
    const EdgeLetterRow& row = report_.rows[static_cast<std::size_t>(index)];
    Text2->setText(QString::number(row.startCount));
    Text3->setText(QString::number(row.endCount));
    Command1->setVisible(row.startCount != 0);
    Command2->setVisible(row.endCount != 0);
    Text1->setText(QString());
}

void StartEndLettersWindow::Command1_Click()
{
    listFormsOfShownLetter(&EdgeLetterRow::starts);
}

void StartEndLettersWindow::Command2_Click()
{
    listFormsOfShownLetter(&EdgeLetterRow::ends);
}

void StartEndLettersWindow::listFormsOfShownLetter(std::vector<FormCount> EdgeLetterRow::*side)
{
    const std::string shown = toCp1252(Combo1->currentText());
    const auto row = std::find_if(report_.rows.begin(), report_.rows.end(),
                                  [&](const EdgeLetterRow& candidate) { return shown == std::string(1, candidate.letter); });
    Text1->setText(row == report_.rows.end() ? QString() : fromCp1252(resultListing((*row).*side)));
}

} // namespace quorvelle::ui
