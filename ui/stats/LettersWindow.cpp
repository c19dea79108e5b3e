// The letters window: the key scheme over single letters.
#include "ui/stats/LettersWindow.h"

namespace quorvelle::ui {

LettersWindow::LettersWindow(std::string_view text, QWidget* parent)
    : KeyDistributionWindow({.caption = tr("Parvane Dorlesca - Composition des formes - statistiques formes / lettres de l'alphabet"),
                             .title = tr("Statistiques formes / lettres de l'alphabet"),
                             .keyCaption = tr("Lettres : "),
                             .occurrencesHeading = tr("Nombre d' attestation(s)"),
                             .formCountHeading = tr("Nombre de forme(s)"),
                             .exportName = tr("lettres.csv")},
                            letterReport(text), parent)
{
    offerFormsInContext(text);
}

} // namespace quorvelle::ui
