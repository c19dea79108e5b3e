// How a figure is computed, in a small window beside it.
#pragma once

#include "core/explanations/figure_explanation.h"

#include <QPointer>
#include <QWidget>

class QTextBrowser;

namespace quorvelle::ui {

class HelpWindow;

/// Opened by "Comment ce nombre est-il calculé ?" on a figure, not modal so that it stays
/// beside the figure: the formula in words and in symbols, the text's numbers put in step by
/// step, the value shown, and a link to the manual's page, which opens in a help window of
/// its own. A screen reader reads its text (explanationText) as plain sentences.
class ExplanationWindow final : public QWidget {
    Q_OBJECT
public:
    explicit ExplanationWindow(QWidget* parent);

    /// Shows explanation in the window of the figure's window, made the first time, raised.
    static ExplanationWindow* showBeside(QWidget* figure, const FigureExplanation& explanation);

    void showExplanation(const FigureExplanation& explanation);

private:
    void showManualPage(const QUrl& page);

    QTextBrowser* explanationText;
    QPointer<HelpWindow> helpWindow_;
};

} // namespace quorvelle::ui
