// How a figure is computed, in a small window beside it.
#pragma once

#include "core/explanations/figure_explanation.h"

#include <QPointer>
#include <QString>
#include <QWidget>

class QPushButton;
class QTextEdit;

namespace quorvelle::ui {

class HelpWindow;

/// Opened by "Comment ce nombre est-il calculé ?" on a figure, not modal so that it stays
/// beside the figure: the formula in words and in symbols, the text's numbers put in step by
/// step, the value shown, in a read-only text box a screen reader reads as plain sentences;
/// and a button that opens the manual's page in a help window of its own.
class ExplanationWindow final : public QWidget {
    Q_OBJECT
public:
    explicit ExplanationWindow(QWidget* parent);

    /// Shows explanation in the window of the figure's window, made the first time, raised.
    static ExplanationWindow* showBeside(QWidget* figure, const FigureExplanation& explanation);

    void showExplanation(const FigureExplanation& explanation);

private:
    void showManualPage();

    QTextEdit* explanationText;
    QPushButton* manualButton;
    QString manualPage_;
    QPointer<HelpWindow> helpWindow_;
};

} // namespace quorvelle::ui
