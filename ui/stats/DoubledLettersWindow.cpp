// The doubled-letters window: the key scheme over letters written twice.
#include "ui/stats/DoubledLettersWindow.h"

#include "core/statistics/doubled_letters_statistic.h"

namespace quorvelle::ui {

DoubledLettersWindow::DoubledLettersWindow(SharedText text, KeyDistribution report, QWidget* parent)
    : KeyDistributionWindow({.caption = tr("Parvane Dorlesca - Composition des formes - Lettres redoublées"),
                             .table = DoubledLettersStatistic::table,
                             .keyCaption = tr("Lettres :"),
                             .exportName = tr("lettres-redoublees.csv")},
                            text->letters(), std::move(report), parent)
{
    offerFormsInContext(std::move(text));
}

} // namespace quorvelle::ui
