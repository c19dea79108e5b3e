// The vocabulary-richness window.
#include "ui/stats/RichnessWindow.h"

#include "core/catalogue/statistics_catalogue.h"

#include "ui/cp1252_text.h"
#include "ui/figure_explanations.h"
#include "ui/number_text.h"
#include "ui/report_grid.h"
#include "ui/table_export.h"
#include "ui/window_layout.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

namespace quorvelle::ui {
namespace {

constexpr QSize windowSize(980, 640);
constexpr int valueColumn = 1;
constexpr int formulaColumn = 2;
constexpr int explanationColumn = 3;
constexpr int formulaColumnCharacters = 26;

} // namespace

RichnessWindow::RichnessWindow(const SharedText& text, RichnessReport report, QWidget* parent)
    : StatisticsWindow(text->letters(), parent)
    , report_(std::move(report))
{
    buildUi();
    tokenCountLabel->setText(QString::number(report_.tokenCount));
    distinctCountLabel->setText(QString::number(report_.distinctCount));
    hapaxCountLabel->setText(QString::number(report_.hapaxCount));
    measuresModel_->setRows(richnessMeasures);
}

void RichnessWindow::buildUi()
{
    setWindowTitle(tr("Parvane Dorlesca - Richesse du vocabulaire"));
    QMenu* fileMenu = buildMenuBar({}).file;

    auto* totalsFrame = new QGroupBox(tr("Statistiques"), this);
    Q_SET_OBJECT_NAME(totalsFrame);
    const QList<QLabel*> totals =
        addTotals(totalsFrame,
                  {{"tokenCountCaption", utf8Text(richnessTokenCountCaption), "tokenCountLabel"},
                   {"distinctCountCaption", utf8Text(richnessDistinctCountCaption), "distinctCountLabel"},
                   {"hapaxCountCaption", utf8Text(richnessHapaxCountCaption), "hapaxCountLabel"}});
    tokenCountLabel = totals[0];
    distinctCountLabel = totals[1];
    hapaxCountLabel = totals[2];
    explainTotals(totals, RichnessStatistic::totals, report_);

    const auto utf8 = [](std::string_view RichnessMeasure::*member) {
        return [member](const RichnessMeasure& measure, std::size_t) { return utf8Text(measure.*member); };
    };
    measuresModel_ = new MeasuresModel(
        {{tr("Mesure"), Qt::AlignLeft, utf8(&RichnessMeasure::name)},
         {tr("Valeur"), Qt::AlignRight,
          [this](const RichnessMeasure& measure, std::size_t) { return measureText(report_.*measure.value); }},
         {tr("Formule"), Qt::AlignLeft, utf8(&RichnessMeasure::formula)},
         {tr("Ce qu'elle mesure"), Qt::AlignLeft, utf8(&RichnessMeasure::explanation)}},
        this);
    const QString title = tr("Mesures de la richesse du vocabulaire");
    measuresGrid = createReportGrid("measuresGrid", measuresModel_, title, this);
    explainColumn(measuresGrid, valueColumn, [this](int row, const ExplanationNumbers& numbers) {
        const std::string_view measure = measuresModel_->rowAt(static_cast<std::size_t>(row)).jsonKey;
        return explainTotal(RichnessStatistic::totals, measure, report_, numbers);
    });
    addExportItem(fileMenu, measuresModel_, tr("richesse-du-vocabulaire.csv"), this);
    measuresGrid->setWordWrap(true);
    // The formulas and the explanations wrap: the first in a column of their own width, the
    // second in what is left.
    QHeaderView* header = measuresGrid->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(formulaColumn, QHeaderView::Fixed);
    header->resizeSection(formulaColumn, fontMetrics().averageCharWidth() * formulaColumnCharacters);
    header->setSectionResizeMode(explanationColumn, QHeaderView::Stretch);
    measuresGrid->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    addWindowTitle(utf8Text(RichnessStatistic::info.title));
    windowLayout()->addWidget(totalsFrame);
    windowLayout()->addWidget(measuresGrid, 1);
    resize(windowSize);
}

} // namespace quorvelle::ui
