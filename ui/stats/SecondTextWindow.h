// The second-text window, from which the comparison of two vocabularies starts.
#pragma once

#include "ui/stats/StatisticsWindow.h"

#include <QString>

class QAction;
class QLabel;

namespace quorvelle::ui {

class PlainTextBox;

/// Opened modal from the main window's "&La comparaison de vocabulaires". Text 1, in
/// firstTextBox, is a copy of the main window's text; "&Ouvrir le texte n°2" loads text 2 into
/// secondTextBox, as the main window opens its text, and "&Fermer le texte n°2" empties it.
/// While a second text is loaded, "&Statistiques" "&Affichage" compares the two boxes as they
/// then stand, through the wait dialog. Both boxes stay editable.
class SecondTextWindow final : public StatisticsWindow {
    Q_OBJECT
public:
    /// text1 and firstFilePath: the main window's text and the path it shows.
    SecondTextWindow(const QString& text1, const QString& firstFilePath, QWidget* parent);

    /// Loads the file at path as text 2, as "&Ouvrir le texte n°2" does once a file is chosen.
    void openSecondText(const QString& path);

private slots:
    /// Asks for the file of text 2, then loads it.
    void chooseSecondText();
    void closeSecondText();
    void showComparison();

private:
    void buildUi();
    void connectSignals();
    /// The menu items, the hint and the second box as they stand with or without a second text.
    void setSecondTextLoaded(bool loaded);

    QString firstFilePath_;

    QLabel* comparisonHintLabel;
    QLabel* firstFilePathLabel;
    QLabel* secondFilePathLabel;
    PlainTextBox* firstTextBox;
    PlainTextBox* secondTextBox;
    QAction* openSecondTextAction;
    QAction* closeSecondTextAction;
    QAction* quitAction;
    QAction* showComparisonAction;
};

} // namespace quorvelle::ui
