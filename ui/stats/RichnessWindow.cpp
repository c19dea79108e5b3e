// The vocabulary-richness window.
#include "ui/stats/RichnessWindow.h"

#include "core/number_format.h"
#include "ui/cp1252_text.h"
#include "ui/number_text.h"
#include "ui/report_grid.h"
#include "ui/stats/table_export.h"
#include "ui/stats/window_layout.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

namespace quorvelle::ui {
namespace {

constexpr QSize windowSize(980, 640);
constexpr int shownDigits = 4;
constexpr int formulaColumn = 2;
constexpr int explanationColumn = 3;
constexpr int formulaColumnCharacters = 26;

} // namespace

RichnessWindow::RichnessWindow(std::string_view text, QWidget* parent)
    : StatisticsWindow(parent)
{
    buildUi();
    Form_Load(text);
}

void RichnessWindow::buildUi()
{
    setWindowTitle(tr("Parvane Dorlesca - Richesse du vocabulaire"));
    QMenu* fichier = buildMenuBar({}).file;

    auto* Frame1 = new QGroupBox(tr("Statistiques"), this);
    Q_SET_OBJECT_NAME(Frame1);
    const QList<QLabel*> totals = addTotals(Frame1, {{"Label1", utf8Text(richnessTokenCountCaption), "Label2"},
                                                     {"Label3", utf8Text(richnessDistinctCountCaption), "Label4"},
                                                     {"Label5", utf8Text(richnessHapaxCountCaption), "Label6"}});
    Label2 = totals[0];
    Label4 = totals[1];
    Label6 = totals[2];

    const auto utf8 = [](std::string_view RichnessMeasure::*member) {
        return [member](const RichnessMeasure& measure) { return utf8Text(measure.*member); };
    };
    measuresModel_ = new MeasuresModel({{tr("Mesure"), Qt::AlignLeft, utf8(&RichnessMeasure::name)},
                                        {tr("Valeur"), Qt::AlignRight, [this](const RichnessMeasure& measure) {
                                             return valueText(measure);
                                         }},
                                        {tr("Formule"), Qt::AlignLeft, utf8(&RichnessMeasure::formula)},
                                        {tr("Ce qu'elle mesure"), Qt::AlignLeft, utf8(&RichnessMeasure::explanation)}},
                                       this);
    const QString title = tr("Mesures de la richesse du vocabulaire");
    grille01 = createReportGrid("grille01", measuresModel_, title, this);
    addExportItem(fichier, measuresModel_, tr("richesse-du-vocabulaire.csv"), this);
    grille01->setWordWrap(true);
    // The formulas and the explanations wrap: the first in a column of their own width, the
    // second in what is left.
    QHeaderView* header = grille01->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(formulaColumn, QHeaderView::Fixed);
    header->resizeSection(formulaColumn, fontMetrics().averageCharWidth() * formulaColumnCharacters);
    header->setSectionResizeMode(explanationColumn, QHeaderView::Stretch);
    grille01->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    addWindowTitle(tr("Richesse du vocabulaire"));
    windowLayout()->addWidget(Frame1);
    windowLayout()->addWidget(grille01, 1);
    resize(windowSize);
}

void RichnessWindow::Form_Load(std::string_view text)
{
    report_ = richnessReport(text);
    Label2->setText(QString::number(report_.tokenCount));
    Label4->setText(QString::number(report_.distinctCount));
    Label6->setText(QString::number(report_.hapaxCount));
    measuresModel_->setRows(richnessMeasures);
}

QString RichnessWindow::valueText(const RichnessMeasure& measure) const
{
    const std::optional<double>& value = report_.*measure.value;
    return value ? numberText(roundSignificant(*value, shownDigits)) : tr("—");
}

} // namespace quorvelle::ui
