// The printer set-up shared by every printed page of the program.
#pragma once

#include <QString>

class QPrinter;
class QWidget;

namespace quorvelle::ui {

/// Shows the printer set-up dialog over parent for printer. Returns whether the user
/// confirmed it: "Annuler" cancels the printing.
bool setUpPrinter(QPrinter& printer, QWidget* parent);

/// Tells the user, over parent, that printing could not start or did not finish.
void reportPrintingFailure(QWidget* parent);

/// A length in twips, 1440 to the inch, as a number of dots at dotsPerInch: the unit the
/// widths of the vocabulary's grid and printout are given in.
constexpr int twipsToDots(int twips, int dotsPerInch)
{
    return twips * dotsPerInch / 1440;
}

/// For tests: the next setUpPrinter shows nothing and sends the printout to the PDF file
/// pdfPath, or cancels when pdfPath is empty.
void setNextPrinterSetUp(const QString& pdfPath);

} // namespace quorvelle::ui
