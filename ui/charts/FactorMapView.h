// The factor map of a correspondence analysis: parts and forms on the plane of two factors.
#pragma once

#include "core/presentation/chart_data.h"

#include <QChartView>

#include <vector>

class QGraphicsSimpleTextItem;
class QScatterSeries;

namespace quorvelle::ui {

/// The parts as squares and the forms as circles, each labelled by its name beside it, on the
/// plane of two factors whose axes cross at the centre of the cloud (the mean profile). A label
/// goes where it overlaps no other, to the right of its point, else to its left, above or
/// below; a form's label that finds no room is left out, a part's never. Colours and fonts
/// follow the palette and font of the desktop.
class FactorMapView final : public QChartView {
    Q_OBJECT
public:
    FactorMapView(std::vector<FactorMapPoint> points, const QString& xTitle, const QString& yTitle, QWidget* parent);

    /// The points whose label is shown, in the order of the points.
    QStringList shownLabels() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeLabels();

    std::vector<FactorMapPoint> points_;
    QScatterSeries* parts_;
    QScatterSeries* forms_;
    std::vector<QGraphicsSimpleTextItem*> labels_; ///< one per point
};

} // namespace quorvelle::ui
