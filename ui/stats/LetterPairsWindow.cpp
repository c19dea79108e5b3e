// The phonic-recurrences window: the key scheme over pairs of adjacent letters.
#include "ui/stats/LetterPairsWindow.h"

namespace quorvelle::ui {

LetterPairsWindow::LetterPairsWindow(std::string_view text, QWidget* parent)
    : KeyDistributionWindow(
          {.caption = tr("Parvane Dorlesca - Composition des formes - Récurrences phoniques (associations de caractères 2 à 2)"),
           .title = tr("Statistiques Récurrences phoniques"),
           .keyCaption = tr("Associations :"),
           .occurrencesHeading = tr("Nombre d' attestation(s)"),
           .formCountHeading = tr("Nombre de forme(s)"),
           .exportName = tr("recurrences-phoniques.csv")},
          letterPairReport(text), parent)
{
    offerFormsInContext(text);
}

} // namespace quorvelle::ui
