// The forms of a text by rank and attestations on logarithmic axes, with the fitted line.
#pragma once

#include "core/reports/zipf_report.h"

#include <QChartView>

#include <optional>

class QAbstractItemModel;

namespace quorvelle::ui {

/// A point per row of a model, its rank in rankColumn and its attestations in countColumn, on
/// two logarithmic axes (base 10), the points joined in rank order (and marked while there
/// are few enough to tell apart), with the fitted line drawn across the ranks and its
/// equation in the chart's title. Colours and fonts follow the palette and font of the desktop.
class ZipfChartView final : public QChartView {
    Q_OBJECT
public:
    ZipfChartView(const QAbstractItemModel& points, int rankColumn, int countColumn, const std::optional<ZipfFit>& line,
                  const QString& rankTitle, const QString& countTitle, QWidget* parent);

    /// The equation and fit of the line as the title shows them, or a sentence saying why there
    /// is none.
    static QString lineCaption(const std::optional<ZipfFit>& line);
};

} // namespace quorvelle::ui
