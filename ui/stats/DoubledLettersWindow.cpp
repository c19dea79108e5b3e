// The doubled-letters window: the key scheme over letters written twice.
#include "ui/stats/DoubledLettersWindow.h"

namespace quorvelle::ui {

DoubledLettersWindow::DoubledLettersWindow(std::string_view text, QWidget* parent)
    : KeyDistributionWindow({.caption = tr("Parvane Dorlesca - Composition des formes - Lettres redoublées"),
                             .title = tr("Statistiques Lettres redoublées"),
                             .keyCaption = tr("Lettres :"),
                             .occurrencesHeading = tr("Nombre d' attestations"),
                             .formCountHeading = tr("Nombres de formes"),
                             .exportName = tr("lettres-redoublees.csv")},
                            doubledLetterReport(text), parent)
{
    offerFormsInContext(text);
}

} // namespace quorvelle::ui
