// Forms through the parts of a corpus: a group of bars for each part, a bar for each form.
#pragma once

#include <QChartView>

class QAbstractItemModel;

namespace quorvelle::ui {

/// Bars grouped by part, in the parts' order, one set of bars (one colour) for each form, named
/// in the legend: the rows of bars, each labelled by its part (labelRole), its form in
/// formColumn and its value under valueRole, the rows of one form one after the other. Part
/// labels that would overlap are left to the axis, which elides them; colours and fonts follow
/// the palette and font of the desktop.
class ProgressionChartView final : public QChartView {
    Q_OBJECT
public:
    ProgressionChartView(const QAbstractItemModel& bars, int formColumn, int labelRole, int valueRole,
                         const QString& categoryTitle, const QString& valueTitle, QWidget* parent);
};

} // namespace quorvelle::ui
