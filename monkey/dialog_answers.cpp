#include "monkey/dialog_answers.h"

#include "monkey/Dice.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>

namespace quorvelle::monkey {
namespace {

// Saved files reuse a few names, so that some saves replace an existing file.
constexpr std::size_t savedNames = 6;

QString firstLine(const QString& text)
{
    return text.section(u'\n', 0, 0).left(70);
}

Move pressButton(QMessageBox* box, Dice& dice)
{
    const QList<QAbstractButton*> buttons = box->buttons();
    QPointer<QAbstractButton> button = buttons.isEmpty()
        ? nullptr
        : buttons[static_cast<qsizetype>(dice.below(static_cast<std::size_t>(buttons.size())))];
    QPointer<QMessageBox> shown = box;
    return Move{
        QStringLiteral("answer «%1» with «%2»").arg(firstLine(box->text()), button ? button->text() : QString()),
        [shown, button] {
            if (button)
                button->click();
            else if (shown)
                shown->close();
        }};
}

QString fileToSave(const Workspace& workspace, Dice& dice)
{
    const QDir output(workspace.outputFolder);
    switch (dice.below(4)) {
    case 0:
        return output.filePath(QStringLiteral("absent/fichier"));
    case 1:
        // Nothing can be created under a file, whoever the user is.
        return QDir(workspace.notAFolder).filePath(QStringLiteral("fichier"));
    default:
        return output.filePath(QStringLiteral("sortie-%1").arg(dice.below(savedNames)));
    }
}

Move answerFileDialog(QFileDialog* dialog, Dice& dice, const Workspace& workspace)
{
    QPointer<QFileDialog> shown = dialog;
    if (dice.percent(15) || (dialog->acceptMode() == QFileDialog::AcceptOpen && workspace.texts.isEmpty()))
        return Move{QStringLiteral("cancel the file dialog"), [shown] {
                        if (shown)
                            shown->reject();
                    }};
    const QString path = dialog->acceptMode() == QFileDialog::AcceptOpen
        ? workspace.texts[static_cast<qsizetype>(dice.below(static_cast<std::size_t>(workspace.texts.size())))]
        : fileToSave(workspace, dice);
    // Of a type the dialog offers: a text in UTF-8 or in code page 1252, a picture in PNG or SVG.
    const QStringList types = dialog->nameFilters();
    const QString type =
        types.value(static_cast<qsizetype>(dice.below(static_cast<std::size_t>(std::max<qsizetype>(types.size(), 1)))));
    return Move{QStringLiteral("choose the file %1 (%2)").arg(path, type), [shown, path, type] {
                    if (!shown)
                        return;
                    if (!type.isEmpty())
                        shown->selectNameFilter(type);
                    // Typed into the name box, as a user types a path; accepted as the dialog's
                    // own button does, through QDialog, where accept() is public.
                    if (auto* name = shown->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                        name->setText(path);
                    else
                        shown->selectFile(path);
                    static_cast<QDialog*>(shown.data())->accept();
                }};
}

// Printing goes to a PDF file of the output folder, through the dialog's own file name box.
Move answerPrintDialog(QPrintDialog* dialog, Dice& dice, const Workspace& workspace)
{
    QPointer<QPrintDialog> shown = dialog;
    if (dice.percent(50))
        return Move{QStringLiteral("cancel the printer dialog"), [shown] {
                        if (shown)
                            shown->reject();
                    }};
    const QString path = QDir(workspace.outputFolder).filePath(QStringLiteral("impression.pdf"));
    return Move{QStringLiteral("print to ") + path, [shown, path] {
                    if (!shown)
                        return;
                    if (auto* fileName = shown->findChild<QLineEdit*>(QStringLiteral("filename")))
                        fileName->setText(path);
                    shown->printer()->setOutputFileName(path);
                    shown->accept();
                }};
}

} // namespace

std::optional<Move> answerDialog(QWidget* window, Dice& dice, const Workspace& workspace)
{
    if (auto* box = qobject_cast<QMessageBox*>(window))
        return pressButton(box, dice);
    if (auto* dialog = qobject_cast<QFileDialog*>(window))
        return answerFileDialog(dialog, dice, workspace);
    if (auto* dialog = qobject_cast<QPrintDialog*>(window))
        return answerPrintDialog(dialog, dice, workspace);
    return std::nullopt;
}

void dismiss(QWidget* window)
{
    if (auto* box = qobject_cast<QMessageBox*>(window)) {
        // "Non" lets a window close without saving what was edited, where "Annuler" would keep
        // it open.
        QAbstractButton* answer = box->button(QMessageBox::No);
        if (!answer)
            answer = box->escapeButton();
        if (!answer && !box->buttons().isEmpty())
            answer = box->buttons().constFirst();
        if (answer) {
            answer->click();
            return;
        }
    }
    if (auto* dialog = qobject_cast<QDialog*>(window))
        dialog->reject();
    else
        window->close();
}

} // namespace quorvelle::monkey
