// The phonic-recurrences window: the key scheme over pairs of adjacent letters.
#include "ui/stats/LetterPairsWindow.h"

#include "core/statistics/letter_pairs_statistic.h"

namespace quorvelle::ui {

LetterPairsWindow::LetterPairsWindow(SharedText text, KeyDistribution report, QWidget* parent)
    : KeyDistributionWindow(
        {.caption =
             tr("Parvane Dorlesca - Composition des formes - Récurrences phoniques (associations de caractères 2 à 2)"),
         .table = LetterPairsStatistic::table,
         .keyCaption = tr("Associations :"),
         .exportName = tr("recurrences-phoniques.csv")},
        text->letters(), std::move(report), parent)
{
    offerFormsInContext(std::move(text));
}

} // namespace quorvelle::ui
