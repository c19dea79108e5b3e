// A bar chart of the rows of a model, readable whatever their number.
#pragma once

#include <QChartView>

class QAbstractItemModel;
class QBarSeries;
class QCategoryAxis;
class QValueAxis;

namespace quorvelle::ui {

/// One series of bars drawn from a model through a model mapper: one bar per row, valued by
/// the row's valueColumn, labelled on the horizontal axis by the row's labelRole. Labels that
/// would overlap are thinned out evenly as the chart is resized; the value axis has round
/// ticks; colours and fonts follow the palette and font of the desktop.
class BarChartView final : public QChartView {
    Q_OBJECT
public:
    BarChartView(QAbstractItemModel* bars, int valueColumn, int labelRole, const QString& xTitle, const QString& yTitle,
                 QWidget* parent);

private:
    void styleChart();
    void scaleAxes();
    void placeLabels();

    QAbstractItemModel* bars_;
    int labelRole_;
    QBarSeries* series_;
    QCategoryAxis* categoryAxis_;
    QValueAxis* valueAxis_;
    int widestLabel_ = 0;
    int labelStep_ = 0;
};

} // namespace quorvelle::ui
