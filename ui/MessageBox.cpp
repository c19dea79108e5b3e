// Showing, or for tests recording and answering, the program's message boxes.
#include "ui/MessageBox.h"

#include <QCoreApplication>

#include <utility>

namespace quorvelle::ui {
namespace {

// Test answering: off in the program, switched on once by a test.
struct TestAnswers {
    bool active = false;
    QList<QMessageBox::StandardButton> next;
    QList<ShownMessage> shown;
};

TestAnswers& testAnswers()
{
    static TestAnswers answers;
    return answers;
}

QMessageBox::StandardButton escapeAnswer(const QMessageBox& box)
{
    if (box.standardButtons().testFlag(QMessageBox::Cancel))
        return QMessageBox::Cancel;
    if (box.standardButtons().testFlag(QMessageBox::No))
        return QMessageBox::No;
    return QMessageBox::Ok;
}

} // namespace

QMessageBox::StandardButton MessageBox::information(QWidget* parent, const QString& title, const QString& text)
{
    return show(parent, QMessageBox::Information, title, text, QMessageBox::Ok);
}

QMessageBox::StandardButton MessageBox::warning(QWidget* parent, const QString& title, const QString& text)
{
    return show(parent, QMessageBox::Warning, title, text, QMessageBox::Ok);
}

QMessageBox::StandardButton MessageBox::question(QWidget* parent, const QString& title, const QString& text)
{
    return show(parent, QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No);
}

QMessageBox::StandardButton MessageBox::saveQuestion(QWidget* parent, const QString& title, const QString& text)
{
    return show(parent, QMessageBox::Warning, title, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                QMessageBox::Yes);
}

QMessageBox::StandardButton MessageBox::notice(QWidget* parent, const QString& title, const QString& text)
{
    return show(parent, QMessageBox::NoIcon, title, text, QMessageBox::Ok);
}

void MessageBox::outOfMemory(QWidget* parent)
{
    information(parent, QCoreApplication::translate("quorvelle::ui", "Mémoire insuffisante"),
                QCoreApplication::translate("quorvelle::ui",
                                            "La mémoire manque pour calculer cette statistique sur ce texte."));
}

void MessageBox::answerInsteadOfUser()
{
    testAnswers().active = true;
}

void MessageBox::setNextAnswer(QMessageBox::StandardButton answer)
{
    testAnswers().next.append(answer);
}

QList<ShownMessage> MessageBox::takeShownMessages()
{
    return std::exchange(testAnswers().shown, {});
}

QMessageBox::StandardButton MessageBox::show(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                             const QString& text, QMessageBox::StandardButtons buttons,
                                             QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, title, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);

    TestAnswers& answers = testAnswers();
    if (answers.active) {
        answers.shown.append({box.icon(), box.windowTitle(), box.text(), box.standardButtons()});
        return answers.next.isEmpty() ? escapeAnswer(box) : answers.next.takeFirst();
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace quorvelle::ui
