// A word cloud: the weightiest forms of a list, the weightier the larger, side by side.
#pragma once

#include "core/presentation/word_cloud.h"

#include <QChartView>

#include <vector>

class QGraphicsItemGroup;
class QGraphicsSimpleTextItem;

namespace quorvelle::ui {

/// Draws the cloud that the core lays out (see layOutWordCloud), measured in the view's font:
/// each label in that font at its size, horizontal, in one of a few dark colours that read on
/// the chart's background, the whole cloud scaled to fit the chart and centred in it. Its
/// accessible description lists the forms from the largest to the smallest.
class WordCloudView final : public QChartView {
    Q_OBJECT
public:
    explicit WordCloudView(QWidget* parent);

    /// Lays out and draws the cloud of the formCount weightiest forms, those of setAside left out.
    void showCloud(std::span<const WeightedForm> forms, const FunctionWords& setAside, std::size_t formCount);

    /// The cloud drawn.
    const WordCloud& cloud() const { return cloud_; }

    /// The texts of the labels drawn, from the largest to the smallest.
    QStringList shownForms() const;

private:
    QFont labelFont(double fontSize) const;
    LabelExtent measureLabel(std::string_view form, double fontSize) const;
    void drawLabels();
    void describeCloud();
    /// Scales the cloud to the chart's plot area and centres it there.
    void fitCloud();

    WordCloud cloud_;
    QGraphicsItemGroup* labelGroup_;
    std::vector<QGraphicsSimpleTextItem*> labels_;
};

} // namespace quorvelle::ui
