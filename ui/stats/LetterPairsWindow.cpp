// The phonic-recurrences window: the key scheme over pairs of adjacent letters.
#include "ui/stats/LetterPairsWindow.h"

namespace quorvelle::ui {

LetterPairsWindow::LetterPairsWindow(std::string_view text, QWidget* parent)
    : KeyDistributionWindow(
          {.caption = tr("Parvane Dorlesca - Composition des formes - Récurrences phoniques (associations de caractères 2 à 2)"),
           .title = tr("Statistiques Récurrences phoniques"),
           .keyLabel = tr("Associations :"),
           .occurrencesHeadingName = "Label3",
           .occurrencesHeading = tr("Nombre d' attestation(s)"),
           .formsHeadingName = "Label4",
           .formsHeading = tr("Nombre de forme(s)"),
                             .exportName = tr("recurrences-phoniques.csv")},
          letterPairReport(text), parent)
{
    offerFormsInContext(text);
}

} // namespace quorvelle::ui
