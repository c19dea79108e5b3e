// A bar chart of the rows of a model, readable whatever their number.
#pragma once

#include <QChartView>

#include <vector>

class QAbstractItemModel;
class QAbstractBarSeries;
class QCategoryAxis;
class QGraphicsSimpleTextItem;
class QValueAxis;

namespace quorvelle::ui {

/// One series of bars drawn from a model through a model mapper: one bar per row, valued by
/// the row's valueColumn, labelled on the category axis by the row's labelRole. Vertical bars
/// stand left to right on a horizontal category axis; horizontal bars lie bottom to top
/// along a vertical one, to the right of zero or to its left. Labels that would overlap are
/// thinned out evenly as the chart is resized; the value axis has round ticks; colours and
/// fonts follow the palette and font of the desktop.
class BarChartView final : public QChartView {
    Q_OBJECT
public:
    BarChartView(QAbstractItemModel* bars, int valueColumn, int labelRole, Qt::Orientation barDirection,
                 const QString& categoryTitle, const QString& valueTitle, QWidget* parent);

private:
    QString labelOfBar(int row) const;
    void addLabelsBesideBars();
    void styleChart();
    void scaleAxes();
    void placeLabels();

    QAbstractItemModel* bars_;
    int labelRole_;
    Qt::Orientation barDirection_;
    QAbstractBarSeries* series_;
    QCategoryAxis* categoryAxis_;
    QValueAxis* valueAxis_;
    int labelRoom_ = 0; ///< pixels that a label takes along the category axis, gap included
    int labelStep_ = 0;
    std::vector<QGraphicsSimpleTextItem*> labelsBesideBars_; ///< one per bar, for horizontal bars
};

} // namespace quorvelle::ui
