// The first-and-last-letters window.
#include "ui/stats/StartEndLettersWindow.h"

#include "core/presentation/result_listing.h"
#include "core/statistics/start_end_letters_statistic.h"
#include "ui/LoadedTextBox.h"
#include "ui/charts/chart_windows.h"
#include "ui/cp1252_text.h"
#include "ui/stats/LinkedLists.h"
#include "ui/window_layout.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace quorvelle::ui {
namespace {

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
    , rowsModel_(new RowsModel(StartEndLettersStatistic::table.columns, this))
{
    QGroupBox* resultsFrame = createFrame("resultsFrame", tr("Résultats"), this);
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
    addLabelledControl(choice, 0, "letterCaption", tr("Lettres :"), letterBox);
    addLabelledControl(choice, 1, "startCountCaption", tr("Début de mot :"), startCountBox);
    addLabelledControl(choice, 2, "endCountCaption", tr("Fin de mot :"), endCountBox);
    choice->addWidget(showStartFormsButton, 1, 2);
    choice->addWidget(showEndFormsButton, 2, 2);
    choice->setColumnStretch(3, 1);
    QGroupBox* frequenciesFrame = createFrame("frequenciesFrame", tr("Fréquences"), this);
    LinkedLists::addToGrid(
        new QGridLayout(frequenciesFrame), 0, rowsModel_,
        {{"letterHeading", "letterList"}, {"startCountHeading", "startCountList"}, {"endCountHeading", "endCountList"}},
        LinkedLists::Driver::AnyList, frequenciesFrame);
    const ResultFrame forms = createResultFrame("formsFrame", tr("Forme(s)"), "formsBox", ScrollBars::Vertical, this);
    formsBox = forms.box;

    build({.caption = tr("Parvane Dorlesca - Composition des formes - Lettres de l'alphabet - début/fin de mot"),
           .title = utf8Text(StartEndLettersStatistic::info.title),
           .body = {{Row{{Column{resultsFrame, {frequenciesFrame, 1}}, 1}, {forms.frame, 1}}, 1}},
           .size = {860, 560},
           .menuBar = {.resultBox = formsBox},
           .tableExport = {rowsModel_, tr("debut-fin-de-mot.csv")},
           .chartItems = {{"startLettersChartAction", tr("&Début de mot"),
                           [this] { openChart<StartLettersChart>(&EdgeLetterRow::startCount); }},
                          {"endLettersChartAction", tr("&Fin de mot"),
                           [this] { openChart<EndLettersChart>(&EdgeLetterRow::endCount); }}}});
    connect(letterBox, &QComboBox::activated, this, &StartEndLettersWindow::showCountsOfLetter);
    connect(showStartFormsButton, &QPushButton::clicked, this,
            [this] { listFormsOfShownLetter(&EdgeLetterRow::starts); });
    connect(showEndFormsButton, &QPushButton::clicked, this, [this] { listFormsOfShownLetter(&EdgeLetterRow::ends); });
    for (const EdgeLetterRow& row : report_.rows)
        letterBox->addItem(fromCp1252(std::string_view(&row.letter, 1)));
    showFirstEntryUnselected(letterBox);
    rowsModel_->setRows(report_.rows);
    offerFormsInContext(std::move(text));
}

template <class Chart>
void StartEndLettersWindow::openChart(std::int64_t EdgeLetterRow::*side)
{
    openModal<Chart>(this, rowsModel_->shownRows([side](const EdgeLetterRow& row) {
        return CountChartRow{std::string(1, row.letter), row.*side};
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

void StartEndLettersWindow::listFormsOfShownLetter(std::vector<FormCount> EdgeLetterRow::*side)
{
    const std::string shown = toCp1252(letterBox->currentText());
    const auto row = std::find_if(report_.rows.begin(), report_.rows.end(), [&](const EdgeLetterRow& candidate) {
        return shown == std::string(1, candidate.letter);
    });
    if (row == report_.rows.end())
        formsBox->setText(QString());
    else
        formsBox->setCp1252Text(std::make_shared<const std::string>(resultListing((*row).*side)));
}

} // namespace quorvelle::ui
