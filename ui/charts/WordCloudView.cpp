// The word cloud of the cloud window.
#include "ui/charts/WordCloudView.h"

#include "ui/charts/chart_style.h"
#include "ui/cp1252_text.h"

#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsItemGroup>
#include <QGraphicsSimpleTextItem>
#include <QLegend>

#include <algorithm>
#include <array>

namespace quorvelle::ui {
namespace {

// Dark hues that tell neighbouring labels apart and read on white (contrast 5:1 or more).
constexpr std::array<QRgb, 6> labelColours = {0x1f4e79, 0xa0302a, 0x2e6b30, 0x6a3d9a, 0x8a4f00, 0x00695c};
// How much lighter the hues are drawn on a dark background, one whose lightness is below half.
constexpr int lighterOnDark = 180;
constexpr int halfLightness = 128;
// A cloud of few forms is drawn at most half again as large as it is laid out.
constexpr qreal largestScale = 1.5;
// The blank kept around a label's ink, as shares of its line's height: left and right about half
// a space, so that two labels side by side never read as one word; less above and below.
constexpr qreal sideMargin = 0.13;
constexpr qreal topMargin = 0.04;

// A label's ink as its font draws it from the baseline's origin, and the blank kept on either
// side of it and above and below it.
struct LabelShape {
    QRectF ink;
    QSizeF margin;
};

LabelShape shapeOf(const QString& text, const QFont& font)
{
    const QFontMetricsF metrics(font);
    return {metrics.tightBoundingRect(text), QSizeF(sideMargin * metrics.height(), topMargin * metrics.height())};
}

} // namespace

WordCloudView::WordCloudView(QWidget* parent)
    : QChartView(parent)
{
    auto* chart = new QChart;
    setChart(chart);
    styleChartFrame(chart, palette());
    chart->legend()->hide();
    labelGroup_ = new QGraphicsItemGroup(chart);
    connect(chart, &QChart::plotAreaChanged, this, &WordCloudView::fitCloud);
    setRenderHint(QPainter::Antialiasing);
}

void WordCloudView::showCloud(std::span<const WeightedForm> forms, const FunctionWords& setAside, std::size_t formCount)
{
    WordCloudSettings settings;
    settings.formCount = formCount;
    cloud_ = layOutWordCloud(forms, setAside, settings,
                             [this](std::string_view form, double fontSize) { return measureLabel(form, fontSize); });
    drawLabels();
    describeCloud();
    fitCloud();
}

QStringList WordCloudView::shownForms() const
{
    QStringList shown;
    for (const QGraphicsSimpleTextItem* label : labels_)
        shown << label->text();
    return shown;
}

// Unhinted, so that a label's extent grows in proportion with its size and with the cloud's scale.
QFont WordCloudView::labelFont(double fontSize) const
{
    QFont labelFont = font();
    labelFont.setPointSizeF(fontSize);
    labelFont.setHintingPreference(QFont::PreferNoHinting);
    return labelFont;
}

// The ink of the label and its margins, without the blank that its line keeps above and below
// the letters.
LabelExtent WordCloudView::measureLabel(std::string_view form, double fontSize) const
{
    const LabelShape shape = shapeOf(fromCp1252(form), labelFont(fontSize));
    return {shape.ink.width() + 2 * shape.margin.width(), shape.ink.height() + 2 * shape.margin.height()};
}

void WordCloudView::drawLabels()
{
    qDeleteAll(labels_);
    labels_.clear();
    const bool onDark = chart()->backgroundBrush().color().lightness() < halfLightness;
    for (const CloudWord& word : cloud_.words) {
        const QString text = fromCp1252(word.form);
        const QFont font = labelFont(word.fontSize);
        const LabelShape shape = shapeOf(text, font);
        const QColor colour = QColor::fromRgb(labelColours[labels_.size() % labelColours.size()]);
        auto* label = new QGraphicsSimpleTextItem(text, labelGroup_);
        label->setFont(font);
        label->setBrush(onDark ? colour.lighter(lighterOnDark) : colour);
        // The ink within the margins of the box; it lies from the baseline's origin, at the ascent
        // below the top of the item.
        label->setPos(QPointF(word.box.left, word.box.top) + QPointF(shape.margin.width(), shape.margin.height())
                      - shape.ink.topLeft() - QPointF(0, QFontMetricsF(font).ascent()));
        labels_.push_back(label);
    }
}

void WordCloudView::describeCloud()
{
    setAccessibleDescription(
        tr("%n forme(s), de la plus grande à la plus petite : %1", nullptr, static_cast<int>(labels_.size()))
            .arg(shownForms().join(QStringLiteral(", "))));
}

void WordCloudView::fitCloud()
{
    const QRectF area = chart()->plotArea();
    const CloudRect& bounds = cloud_.bounds;
    if (bounds.width <= 0 || bounds.height <= 0 || area.isEmpty())
        return;
    const qreal scale = std::min({area.width() / bounds.width, area.height() / bounds.height, largestScale});
    labelGroup_->setScale(scale);
    labelGroup_->setPos(area.center()
                        - scale * QPointF(bounds.left + bounds.width / 2, bounds.top + bounds.height / 2));
}

} // namespace quorvelle::ui
