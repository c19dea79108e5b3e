// A chart on paper and in a picture file, as it is drawn on screen.
#pragma once

#include <QPageLayout>
#include <QString>

class QChartView;
class QWidget;

namespace quorvelle::ui {

/// The narrowest picture "Enregistrer l'image..." writes, in pixels: enough for a printed
/// page or a projected slide.
inline constexpr int smallestImageWidth = 1600;

/// Prints view as it is laid out, scaled to one page of the given orientation, after the
/// printer set-up dialog over window (where "Annuler" prints nothing); the printout is named
/// documentName. A failure is said over window.
void printChart(QChartView* view, const QString& documentName, QPageLayout::Orientation orientation, QWidget* window);

/// Asks for a picture file over window, proposing suggestedName (see proposedFilePath), then
/// saves view as it is laid out: in PNG at least smallestImageWidth pixels wide, drawn finer
/// rather than stretched, or in SVG, its text kept as text and titled title. A failure is
/// said over window.
void saveChartImage(QChartView* view, const QString& suggestedName, const QString& title, QWidget* window);

} // namespace quorvelle::ui
