// The vocabulary totals frame.
#include "ui/stats/VocabularyTotals.h"

#include "core/presentation/french_messages.h"
#include "ui/cp1252_text.h"
#include "ui/number_text.h"
#include "ui/window_layout.h"

#include <QLabel>

namespace quorvelle::ui {
namespace {

enum Row { tokenCountRow, distinctCountRow, meanFrequencyRow };

} // namespace

VocabularyTotals::VocabularyTotals(QWidget* parent)
    : QGroupBox(tr("Statistiques"), parent)
{
    setObjectName("totalsFrame");
    values_ = addTotals(this,
                        {{"totalFormsCaption", utf8Text(french::totalFormsCaption), "totalFormsValue"},
                         {"distinctFormsCaption", utf8Text(french::distinctFormsCaption), "distinctFormsValue"},
                         {"meanFrequencyCaption", utf8Text(french::meanFrequencyCaption), "meanFrequencyValue",
                          tr("Fréquence moyenne théorique d'attestation de chaque forme")}});
}

void VocabularyTotals::showTotals(std::int64_t tokenCount, std::int64_t distinctCount,
                                  std::optional<double> meanFrequency)
{
    values_[tokenCountRow]->setText(QString::number(tokenCount));
    values_[distinctCountRow]->setText(QString::number(distinctCount));
    values_[meanFrequencyRow]->setText(meanFrequency ? numberText(*meanFrequency) : QString());
}

} // namespace quorvelle::ui
