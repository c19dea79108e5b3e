// The doubled-letters window: the key scheme over letters written twice.
#include "ui/stats/DoubledLettersWindow.h"

#include "core/catalogue/statistics_catalogue.h"

namespace quorvelle::ui {

DoubledLettersWindow::DoubledLettersWindow(std::string_view text, QWidget* parent)
    : KeyDistributionWindow({.caption = tr("Parvane Dorlesca - Composition des formes - Lettres redoublées"),
                             .table = DoubledLettersStatistic::table,
                             .keyCaption = tr("Lettres :"),
                             .exportName = tr("lettres-redoublees.csv")},
                            doubledLetterReport(text), parent)
{
    offerFormsInContext(text);
}

} // namespace quorvelle::ui
