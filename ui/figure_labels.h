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

namespace quorvelle::ui {

/// Lays out the figures of report in frame as addTotals does, the caption of each named
/// <id>Caption and its value <id><valueSuffix>, with what the figure means as the caption's
/// tooltip; writes each value as the windows show it and offers its explanation. report must
/// outlive the labels. Returns the value labels, in the figures' order.
template <class Report, std::size_t Count>
QList<QLabel*> addFigures(QGroupBox* frame, const std::array<Figure<Report>, Count>& figures, const Report& report,
                          const char* valueSuffix = "Value")
{
    std::array<QByteArray, Count> captionNames;
    std::array<QByteArray, Count> valueNames;
    QList<Total> totals;
    for (std::size_t place = 0; place < Count; ++place) {
        const Figure<Report>& figure = figures[place];
        const QByteArray id(figure.id.data(), static_cast<qsizetype>(figure.id.size()));
        captionNames[place] = id + "Caption";
        valueNames[place] = id + valueSuffix;
        totals.append({captionNames[place].constData(), utf8Text(figure.caption), valueNames[place].constData(),
                       utf8Text(figure.meaning)});
    }
    const QList<QLabel*> values = addTotals(frame, totals);
    for (std::size_t place = 0; place < Count; ++place) {
        const Figure<Report>& figure = figures[place];
        QLabel* value = values[static_cast<qsizetype>(place)];
        value->setText(figureText(figure.value(report), figure.format));
        if (figure.explain)
            explainFigure(value, [&report, &figure](const ExplanationNumbers& numbers) {
                return figure.explained(report, numbers);
            });
    }
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
