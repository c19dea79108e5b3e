// The explanation window.
#include "ui/ExplanationWindow.h"

#include "core/presentation/french_typography.h"
#include "ui/HelpWindow.h"
#include "ui/letter_rule_note.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QVBoxLayout>

namespace quorvelle::ui {
namespace {

constexpr QSize windowSize(520, 380);
constexpr int spacing = 8; // between the figure's window and its explanation

// Beside owner, on the first side where the screen has room (right, left, below, above), else
// in the screen's bottom right corner, so that as much as possible of owner stays in sight.
void placeBeside(QWidget* window, const QWidget* owner)
{
    const QRect screen = owner->screen()->availableGeometry();
    const QRect frame = owner->frameGeometry();
    const QSize size = window->frameGeometry().size();
    const auto within = [](int value, int low, int length) {
        return std::clamp(value, low, std::max(low, low + length));
    };
    const int top = within(frame.top(), screen.top(), screen.height() - size.height());
    const int left = within(frame.left(), screen.left(), screen.width() - size.width());
    const QPoint sides[] = {{frame.right() + spacing, top},
                            {frame.left() - spacing - size.width(), top},
                            {left, frame.bottom() + spacing},
                            {left, frame.top() - spacing - size.height()}};
    for (const QPoint& side : sides)
        if (screen.contains(QRect(side, size))) {
            window->move(side);
            return;
        }
    window->move(screen.bottomRight() - QPoint(size.width() - 1, size.height() - 1));
}

// text (UTF-8) with French spacing, escaped for the rich text of the window, which wraps it.
QString richText(const std::string& text)
{
    return QString::fromStdString(withFrenchSpacing(text)).toHtmlEscaped();
}

QString richText(const QString& text)
{
    return richText(text.toStdString());
}

} // namespace

ExplanationWindow::ExplanationWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setWindowTitle(tr("Comment ce nombre est-il calculé ?"));
    explanationText = new QTextEdit(this);
    Q_SET_OBJECT_NAME(explanationText);
    explanationText->setReadOnly(true);
    explanationText->setAccessibleName(tr("Explication du calcul"));
    manualButton = new QPushButton(tr("&Lire la page du manuel qui explique cette statistique"), this);
    Q_SET_OBJECT_NAME(manualButton);
    manualButton->setAutoDefault(false);
    connect(manualButton, &QPushButton::clicked, this, &ExplanationWindow::showManualPage);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(manualButton);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanationText);
    layout->addLayout(buttons);
    insertLetterRuleNote(layout, 0, this);
    resize(windowSize);
}

ExplanationWindow* ExplanationWindow::showBeside(QWidget* figure, const FigureExplanation& explanation)
{
    QWidget* owner = figure->window();
    auto* window = owner->findChild<ExplanationWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!window) {
        window = new ExplanationWindow(owner);
        placeBeside(window, owner);
    }
    window->showExplanation(explanation);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void ExplanationWindow::showExplanation(const FigureExplanation& explanation)
{
    QString html = QStringLiteral("<h3>%1</h3><p>%2</p><p>%3 <b>%4</b></p><ol>")
                       .arg(richText(explanation.figure), richText(explanation.inWords), richText(tr("Formule :")),
                            richText(explanation.formula));
    for (const std::string& step : explanation.steps)
        html += QStringLiteral("<li>%1</li>").arg(richText(step));
    html +=
        QStringLiteral("</ol><p>%1 <b>%2</b></p>").arg(richText(tr("Valeur affichée :")), richText(explanation.shown));
    explanationText->setHtml(html);
    manualPage_ = QString::fromStdString(explanation.manualPage);
    manualButton->setVisible(!manualPage_.isEmpty());
}

void ExplanationWindow::showManualPage()
{
    if (!helpWindow_)
        helpWindow_ = new HelpWindow(this);
    helpWindow_->showPage(manualPage_);
    helpWindow_->show();
    helpWindow_->raise();
}

} // namespace quorvelle::ui
