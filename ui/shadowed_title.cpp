// Two labels stacked into a shadowed title.
#include "ui/shadowed_title.h"

#include <QColor>
#include <QGridLayout>
#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace quorvelle::ui {
namespace {

constexpr int shadowOffset = 2;
const QColor titleColour(0x1F, 0x4E, 0x79);
const QColor shadowColour(0xA8, 0xB4, 0xC0);

void styleTitleLabel(QLabel* label, int pointSize, const QColor& colour)
{
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

} // namespace

QWidget* createShadowedTitle(const QString& text, int pointSize, QWidget* parent)
{
    auto* holder = new QWidget(parent);
    auto* layout = new QGridLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* shadow = new QLabel(text, holder);
    shadow->setObjectName(QStringLiteral("titleShadow"));
    styleTitleLabel(shadow, pointSize, shadowColour);
    shadow->setContentsMargins(shadowOffset, shadowOffset, 0, 0);
    auto* title = new QLabel(text, holder);
    title->setObjectName(QStringLiteral("title"));
    styleTitleLabel(title, pointSize, titleColour);
    title->setContentsMargins(0, 0, shadowOffset, shadowOffset);
    // Added last, the title lies in front.
    layout->addWidget(shadow, 0, 0);
    layout->addWidget(title, 0, 0);
    return holder;
}

} // namespace quorvelle::ui
