// The program's message boxes, which tests can answer instead of a user.
#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>

namespace quorvelle::ui {

/// What a message box showed: recorded while tests answer the boxes.
struct ShownMessage {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
};

/// Every message box of the program goes through here. The text is shown as plain text,
/// exactly as given (its line ends included).
class MessageBox {
public:
    /// Information icon, OK button.
    static QMessageBox::StandardButton information(QWidget* parent, const QString& title, const QString& text);
    /// Warning icon, OK button: a file that cannot be opened.
    static QMessageBox::StandardButton warning(QWidget* parent, const QString& title, const QString& text);
    /// No icon, Yes and No buttons.
    static QMessageBox::StandardButton question(QWidget* parent, const QString& title, const QString& text);
    /// Warning icon, Yes (the default), No and Cancel (the escape) buttons: whether to save an
    /// edited text before it goes.
    static QMessageBox::StandardButton saveQuestion(QWidget* parent, const QString& title, const QString& text);
    /// No icon, OK button only.
    static QMessageBox::StandardButton notice(QWidget* parent, const QString& title, const QString& text);

    /// For tests: from now on no box is shown. Each one is recorded, then answered with the
    /// next answer given by setNextAnswer, or with its escape button when none is left
    /// (Cancel, else No, else OK).
    static void answerInsteadOfUser();
    static void setNextAnswer(QMessageBox::StandardButton answer);
    /// The boxes recorded since the last call.
    static QList<ShownMessage> takeShownMessages();

    /// A computation ran out of memory on the loaded text: information icon, OK button.
    static void outOfMemory(QWidget* parent);

private:
    static QMessageBox::StandardButton show(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                            const QString& text, QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
};

} // namespace quorvelle::ui
