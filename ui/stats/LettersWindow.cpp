// The letters window: the key scheme over single letters.
#include "ui/stats/LettersWindow.h"

#include "core/statistics/letters_statistic.h"

namespace quorvelle::ui {

LettersWindow::LettersWindow(SharedText text, KeyDistribution report, QWidget* parent)
    : KeyDistributionWindow(
        {.caption = tr("Parvane Dorlesca - Composition des formes - statistiques formes / lettres de l'alphabet"),
         .table = LettersStatistic::table,
         .keyCaption = tr("Lettres : "),
         .exportName = tr("lettres.csv")},
        text->letters(), std::move(report), parent)
{
    offerFormsInContext(std::move(text));
}

} // namespace quorvelle::ui
