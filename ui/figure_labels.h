// The labels of a statistic's figures: each caption beside its value, explained on demand.
#pragma once

#include "core/catalogue/figure.h"
#include "ui/cp1252_text.h"
#include "ui/figure_explanations.h"
#include "ui/number_text.h"
#include "ui/window_layout.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QList>

#include <array>
#include <cstddef>
#include <type_traits>

namespace quorvelle::ui {

/// Writes the value of each figure of report in the label at the same place, as the windows
/// show it: again whenever the report changes.
template <class Report, std::size_t Count>
void showFigureValues(const QList<QLabel*>& values, const std::array<Figure<Report>, Count>& figures,
                      const Report& report)
{
    for (std::size_t place = 0; place < Count; ++place)
        values[static_cast<qsizetype>(place)]->setText(figureText(figures[place].value(report), figures[place].format));
}

/// How a frame lays out figures' labels besides what the figures say of themselves.
struct FigureLabelsLayout {
    const char* valueSuffix = "Value"; ///< the end of the value labels' names, after the figure's id
    QList<Total> extraTotals = {};     ///< totals after the figures, which the window fills itself
};

/// Lays out the figures in frame as addTotals does, the caption of each named <id>Caption and
/// its value <id><valueSuffix>, with what the figure means as the caption's tooltip, and offers
/// each figure's explanation in the report currentReport() gives when asked; the window writes
/// the values (showFigureValues) once it has chosen its report. Returns the value labels, the
/// figures' first, in order.
template <class Report, std::size_t Count, class CurrentReport>
    requires std::is_invocable_r_v<const Report&, CurrentReport>
QList<QLabel*> addFigures(QGroupBox* frame, const std::array<Figure<Report>, Count>& figures,
                          CurrentReport currentReport, const FigureLabelsLayout& layout = {})
{
    std::array<QByteArray, Count> captionNames;
    std::array<QByteArray, Count> valueNames;
    QList<Total> totals;
    for (std::size_t place = 0; place < Count; ++place) {
        const Figure<Report>& figure = figures[place];
        const QByteArray id(figure.id.data(), static_cast<qsizetype>(figure.id.size()));
        captionNames[place] = id + "Caption";
        valueNames[place] = id + layout.valueSuffix;
        totals.append({captionNames[place].constData(), utf8Text(figure.caption), valueNames[place].constData(),
                       utf8Text(figure.meaning)});
    }
    totals.append(layout.extraTotals);
    const QList<QLabel*> values = addTotals(frame, totals);
    for (std::size_t place = 0; place < Count; ++place) {
        const Figure<Report>& figure = figures[place];
        if (figure.explain)
            explainFigure(values[static_cast<qsizetype>(place)],
                          [currentReport, &figure](const ExplanationNumbers& numbers) {
                              return figure.explained(currentReport(), numbers);
                          });
    }
    return values;
}

/// The same for the figures of one report, which must outlive the labels, their values written
/// at once; the explanations read the report as it stands when asked.
template <class Report, std::size_t Count>
QList<QLabel*> addFigures(QGroupBox* frame, const std::array<Figure<Report>, Count>& figures, const Report& report,
                          const FigureLabelsLayout& layout = {})
{
    const QList<QLabel*> values = addFigures(frame, figures, [&report]() -> const Report& { return report; }, layout);
    showFigureValues(values, figures, report);
    return values;
}

/// The frame "Statistiques" of a window (totalsFrame), holding the figures of report alone (see
/// addFigures).
template <class Report, std::size_t Count>
QGroupBox* createFiguresFrame(const std::array<Figure<Report>, Count>& figures, const Report& report, QWidget* parent)
{
    auto* totalsFrame = new QGroupBox(QCoreApplication::translate("quorvelle::ui", "Statistiques"), parent);
    Q_SET_OBJECT_NAME(totalsFrame);
    addFigures(totalsFrame, figures, report);
    return totalsFrame;
}

} // namespace quorvelle::ui
