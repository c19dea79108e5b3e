// The vocabulary totals frame.
#include "ui/stats/VocabularyTotals.h"

#include "core/french_messages.h"
#include "ui/cp1252_text.h"
#include "ui/number_text.h"
#include "ui/stats/window_layout.h"

#include <QLabel>

namespace quorvelle::ui {

VocabularyTotals::VocabularyTotals(QWidget* parent)
    : QGroupBox(tr("Statistiques"), parent)
    , Label2(new QLabel(utf8Text(french::totalFormsCaption), this))
    , Label3(new QLabel(utf8Text(french::distinctFormsCaption), this))
    , Label4(new QLabel(utf8Text(french::meanFrequencyCaption), this))
    , Label6(new QLabel(this))
    , Label7(new QLabel(this))
    , Label8(new QLabel(this))
{
    setObjectName("Frame1");
    Q_SET_OBJECT_NAME(Label2);
    Q_SET_OBJECT_NAME(Label3);
    Q_SET_OBJECT_NAME(Label4);
    Q_SET_OBJECT_NAME(Label6);
    Q_SET_OBJECT_NAME(Label7);
    Q_SET_OBJECT_NAME(Label8);
    Label4->setToolTip(tr("Fréquence moyenne théorique d'attestation de chaque forme"));
    layOutTotals(this, {{Label2, Label6}, {Label3, Label7}, {Label4, Label8}});
}

void VocabularyTotals::showTotals(std::int64_t tokenCount, std::int64_t distinctCount,
                                  std::optional<double> meanFrequency)
{
    Label6->setText(QString::number(tokenCount));
    Label7->setText(QString::number(distinctCount));
    Label8->setText(meanFrequency ? numberText(*meanFrequency) : QString());
}

} // namespace quorvelle::ui
