// The word cloud window.
#include "ui/charts/WordCloudChart.h"

#include "core/explanations/figure_explanation.h"
#include "core/presentation/chart_data.h"
#include "ui/charts/ChartTableModel.h"
#include "ui/charts/WordCloudView.h"
#include "ui/cp1252_text.h"
#include "ui/function_words_setting.h"
#include "ui/number_text.h"
#include "ui/window_declaration.h"
#include "ui/window_layout.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLabel>
#include <QSpinBox>

#include <utility>

namespace quorvelle::ui {
namespace {

// Pixels between the number of forms and the function words' box.
constexpr int choiceSpacing = 16;
// Larger than the other charts', so that the smallest labels of a cloud of many forms stay legible.
constexpr QSize windowSize(960, 720);

QChartView* emptyCloud(const ChartTableModel&, const ChartWindowLook&, QWidget* parent)
{
    return new WordCloudView(parent);
}

} // namespace

WordCloudChart::WordCloudChart(std::vector<WeightedForm> forms, const QString& title, const QString& weightTitle,
                               QWidget* parent)
    : ChartWindow({.caption = tr("Parvane Dorlesca - Nuage de mots"),
                   .fileName = tr("nuage-de-mots"),
                   .chartTitle = title,
                   .categoryTitle = tr("Forme"),
                   .valueTitle = weightTitle,
                   .gridColumns = {{tr(" Forme  "), Qt::AlignLeft},
                                   {QStringLiteral(" %1   ").arg(weightTitle), Qt::AlignRight},
                                   {tr(" Taille (points)   "), Qt::AlignRight}},
                   .openingTab = ChartWindowLook::ChartTab},
                  ChartRows(), emptyCloud, parent)
    , forms_(std::move(forms))
    , cloudView_(static_cast<WordCloudView*>(drawnChart()))
{
    buildChoices();
    resize(windowSize);
    connect(formCountBox, &QSpinBox::valueChanged, this, &WordCloudChart::drawCloud);
    connect(withoutFunctionWordsBox, &QCheckBox::toggled, this, &WordCloudChart::drawCloud);
    connect(&FunctionWordList::instance(), &FunctionWordList::saved, this, [this] {
        if (withoutFunctionWordsBox->isChecked())
            drawCloud();
    });
    drawCloud();
}

void WordCloudChart::buildChoices()
{
    formCountBox = new QSpinBox(this);
    Q_SET_OBJECT_NAME(formCountBox);
    formCountBox->setRange(fewestForms, mostForms);
    formCountBox->setValue(formsAtFirst);
    // Drawn again once a number is typed whole, not at each of its digits.
    formCountBox->setKeyboardTracking(false);
    auto* formCountLabel = new QLabel(tr("&Nombre de formes :"), this);
    Q_SET_OBJECT_NAME(formCountLabel);
    labelControl(formCountLabel, formCountBox);
    withoutFunctionWordsBox = new QCheckBox(tr("Sans les &mots-outils"), this);
    Q_SET_OBJECT_NAME(withoutFunctionWordsBox);
    withoutFunctionWordsBox->setChecked(true);
    leftOutLabel = new QLabel(this);
    Q_SET_OBJECT_NAME(leftOutLabel);
    static_cast<QBoxLayout*>(layout())->addLayout(
        Row{formCountLabel, formCountBox, Spacing{choiceSpacing}, withoutFunctionWordsBox, Stretch{1}, leftOutLabel}
            .createLayout());
}

void WordCloudChart::drawCloud()
{
    const FunctionWords setAside = withoutFunctionWordsBox->isChecked() ? savedFunctionWords() : FunctionWords();
    cloudView_->showCloud(forms_, setAside, static_cast<std::size_t>(formCountBox->value()));
    const WordCloud& cloud = cloudView_->cloud();
    table()->setRows(wordCloudChart(cloud, decimalSeparator()));
    leftOutLabel->setText(
        tr("%1 sans place dans le nuage")
            .arg(utf8Text(ExplanationNumbers::counted(static_cast<std::int64_t>(cloud.leftOut), "forme", "formes"))));
    leftOutLabel->setVisible(cloud.leftOut > 0);
}

} // namespace quorvelle::ui
