// The printer set-up dialog, with its test hook.
#include "ui/printing.h"

#include "ui/MessageBox.h"

#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrinter>

#include <optional>
#include <utility>

namespace quorvelle::ui {
namespace {

std::optional<QString>& nextSetUp()
{
    static std::optional<QString> pdfPath;
    return pdfPath;
}

} // namespace

bool setUpPrinter(QPrinter& printer, QWidget* parent)
{
    if (auto& next = nextSetUp()) {
        const QString pdfPath = *std::exchange(next, std::nullopt);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
        return !pdfPath.isEmpty();
    }
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return dialog.exec() == QDialog::Accepted;
}

void reportPrintingFailure(QWidget* parent)
{
    MessageBox::warning(parent, QCoreApplication::translate("quorvelle::ui", "Impression"),
                        QCoreApplication::translate("quorvelle::ui", "L'impression n'a pas pu se faire."));
}

void setNextPrinterSetUp(const QString& pdfPath)
{
    nextSetUp() = pdfPath;
}

} // namespace quorvelle::ui
