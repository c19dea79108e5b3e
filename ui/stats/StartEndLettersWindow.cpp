// The first-and-last-letters window.
#include "ui/stats/StartEndLettersWindow.h"

#include "core/statistics/start_end_letters_statistic.h"

#include "core/presentation/result_listing.h"
#include "ui/PlainTextBox.h"
#include "ui/charts/chart_windows.h"
#include "ui/cp1252_text.h"
#include "ui/menus.h"
#include "ui/stats/LinkedLists.h"
#include "ui/table_export.h"
#include "ui/window_layout.h"

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

QLineEdit* createCountBox(QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignRight);
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QString(countDigits, u'0')));
    return box;
}

} // namespace

StartEndLettersWindow::StartEndLettersWindow(SharedText text, EdgeLetterReport report, QWidget* parent)
    : StatisticsWindow(text->letters(), parent)
    , report_(std::move(report))
{
    buildUi();
    connectSignals();
    for (const EdgeLetterRow& row : report_.rows)
        letterBox->addItem(fromCp1252(std::string_view(&row.letter, 1)));
    showFirstEntryUnselected(letterBox);
    rowsModel_->setRows(report_.rows);
    offerFormsInContext(std::move(text));
}

void StartEndLettersWindow::buildUi()
{
    setWindowTitle(tr("Parvane Dorlesca - Composition des formes - Lettres de l'alphabet - début/fin de mot"));

    auto* resultsFrame = new QGroupBox(tr("Résultats"), this);
    Q_SET_OBJECT_NAME(resultsFrame);
    letterBox = createKeyComboBox(resultsFrame);
    Q_SET_OBJECT_NAME(letterBox);
    startCountBox = createCountBox(resultsFrame);
    Q_SET_OBJECT_NAME(startCountBox);
    endCountBox = createCountBox(resultsFrame);
    Q_SET_OBJECT_NAME(endCountBox);
    showStartFormsButton = createCommandButton(tr("Affichage"), resultsFrame);
    Q_SET_OBJECT_NAME(showStartFormsButton);
    showEndFormsButton = createCommandButton(tr("Affichage"), resultsFrame);
    Q_SET_OBJECT_NAME(showEndFormsButton);
    // The buttons name what they list for a screen reader; both only read "Affichage".
    showStartFormsButton->setAccessibleName(tr("Affichage des formes en début de mot"));
    showEndFormsButton->setAccessibleName(tr("Affichage des formes en fin de mot"));
    showStartFormsButton->hide();
    showEndFormsButton->hide();
    auto* choice = new QGridLayout(resultsFrame);
    const std::tuple<const char*, QString, QWidget*> rows[] = {
        {"letterCaption", tr("Lettres :"), letterBox},
        {"startCountCaption", tr("Début de mot :"), startCountBox},
        {"endCountCaption", tr("Fin de mot :"), endCountBox}};
    int row = 0;
    for (const auto& [name, caption, control] : rows) {
        auto* label = new QLabel(caption, resultsFrame);
        label->setObjectName(name);
        labelControl(label, control);
        choice->addWidget(label, row, 0);
        choice->addWidget(control, row++, 1);
    }
    choice->addWidget(showStartFormsButton, 1, 2);
    choice->addWidget(showEndFormsButton, 2, 2);
    choice->setColumnStretch(3, 1);

    auto* frequenciesFrame = new QGroupBox(tr("Fréquences"), this);
    Q_SET_OBJECT_NAME(frequenciesFrame);
    rowsModel_ = new RowsModel(StartEndLettersStatistic::table.columns, this);
    lists_ = new LinkedLists(addColumnLists(new QGridLayout(frequenciesFrame), 0, rowsModel_,
                                            {{"letterHeading", "letterList"},
                                             {"startCountHeading", "startCountList"},
                                             {"endCountHeading", "endCountList"}},
                                            frequenciesFrame),
                             LinkedLists::Driver::AnyList, this);

    const auto [formsFrame, box] =
        createResultFrame("formsFrame", tr("Forme(s)"), "formsBox", ScrollBars::Vertical, this);
    formsBox = box;

    auto* left = new QVBoxLayout;
    left->addWidget(resultsFrame);
    left->addWidget(frequenciesFrame, 1);
    auto* body = new QHBoxLayout;
    body->addLayout(left, 1);
    body->addWidget(formsFrame, 1);
    addWindowTitle(utf8Text(StartEndLettersStatistic::info.title));
    windowLayout()->addLayout(body, 1);

    const WindowMenus menus = buildMenuBar({.resultBox = formsBox, .charts = true});
    addExportItem(menus.file, rowsModel_, tr("debut-fin-de-mot.csv"), this);
    connect(addMenuItem(menus.charts, "startLettersChartAction", tr("&Début de mot")), &QAction::triggered, this,
            &StartEndLettersWindow::openStartLettersChart);
    connect(addMenuItem(menus.charts, "endLettersChartAction", tr("&Fin de mot")), &QAction::triggered, this,
            &StartEndLettersWindow::openEndLettersChart);
    resize(windowSize);
}

void StartEndLettersWindow::connectSignals()
{
    connect(letterBox, &QComboBox::activated, this, &StartEndLettersWindow::showCountsOfLetter);
    connect(showStartFormsButton, &QPushButton::clicked, this, &StartEndLettersWindow::showStartForms);
    connect(showEndFormsButton, &QPushButton::clicked, this, &StartEndLettersWindow::showEndForms);
}

void StartEndLettersWindow::openStartLettersChart()
{
    openModal<StartLettersChart>(this, rowsModel_->shownRows([](const EdgeLetterRow& row) {
        return CountChartRow{std::string(1, row.letter), row.startCount};
    }));
}

void StartEndLettersWindow::openEndLettersChart()
{
    openModal<EndLettersChart>(this, rowsModel_->shownRows([](const EdgeLetterRow& row) {
        return CountChartRow{std::string(1, row.letter), row.endCount};
    }));
}

void StartEndLettersWindow::showCountsOfLetter(int index)
{
    const EdgeLetterRow& row = report_.rows[static_cast<std::size_t>(index)];
    startCountBox->setText(QString::number(row.startCount));
    endCountBox->setText(QString::number(row.endCount));
    showStartFormsButton->setVisible(row.startCount != 0);
    showEndFormsButton->setVisible(row.endCount != 0);
    formsBox->setText(QString());
}

void StartEndLettersWindow::showStartForms()
{
    listFormsOfShownLetter(&EdgeLetterRow::starts);
}

void StartEndLettersWindow::showEndForms()
{
    listFormsOfShownLetter(&EdgeLetterRow::ends);
}

void StartEndLettersWindow::listFormsOfShownLetter(std::vector<FormCount> EdgeLetterRow::*side)
{
    const std::string shown = toCp1252(letterBox->currentText());
    const auto row = std::find_if(report_.rows.begin(), report_.rows.end(), [&](const EdgeLetterRow& candidate) {
        return shown == std::string(1, candidate.letter);
    });
    formsBox->setText(row == report_.rows.end() ? QString() : fromCp1252(resultListing((*row).*side)));
}

} // namespace quorvelle::ui
