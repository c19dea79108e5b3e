// The phonic-recurrences window: the key scheme over pairs of adjacent letters.
#include "ui/stats/LetterPairsWindow.h"

#include "core/catalogue/statistics_catalogue.h"

namespace quorvelle::ui {

LetterPairsWindow::LetterPairsWindow(std::string_view text, QWidget* parent)
    : KeyDistributionWindow(
        {.caption =
             tr("Parvane Dorlesca - Composition des formes - Récurrences phoniques (associations de caractères 2 à 2)"),
         .table = LetterPairsStatistic::table,
         .keyCaption = tr("Associations :"),
         .exportName = tr("recurrences-phoniques.csv")},
        letterPairReport(text), parent)
{
    offerFormsInContext(text);
}

} // namespace quorvelle::ui
