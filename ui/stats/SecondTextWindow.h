// The second-text window, from which the comparison of two vocabularies starts.
#pragma once

#include "ui/stats/StatisticsWindow.h"

#include <QString>

class QAction;
class QLabel;

namespace quorvelle::ui {

class LoadedTextBox;
class TextAnalysis;

/// Opened modal from the main window's "La co&mparaison de vocabulaires". Text 1, in
/// firstTextBox, is the main window's text; "&Ouvrir le texte n°2" loads text 2 into
/// secondTextBox, as the main window opens its text, and "&Fermer le texte n°2" empties it.
/// Each box's text is analysed off the interface thread as the main window's is. While a
/// second text is loaded, "&Statistiques" "&Affichage" compares the two boxes as they then
/// stand, through the wait dialog. Both boxes stay editable.
class SecondTextWindow final : public StatisticsWindow {
    Q_OBJECT
public:
    /// text1 and firstFilePath: the main window's text, analysed, and the path it shows.
    SecondTextWindow(SharedText text1, const QString& firstFilePath, QWidget* parent);

    /// Loads the file at path as text 2, as "&Ouvrir le texte n°2" does once a file is chosen.
    void openSecondText(const QString& path);

private:
    /// Asks for the file of text 2, then loads it.
    void chooseSecondText();
    void closeSecondText();
    void showComparison();
    /// The menu items, the hint and the second box as they stand with or without a second text.
    void setSecondTextLoaded(bool loaded);

    QString firstFilePath_;

    QLabel* comparisonHintLabel;
    QLabel* firstFilePathLabel;
    QLabel* secondFilePathLabel;
    LoadedTextBox* firstTextBox;
    LoadedTextBox* secondTextBox;
    TextAnalysis* firstAnalysis_;
    TextAnalysis* secondAnalysis_;
    QAction* openSecondTextAction;
    QAction* closeSecondTextAction;
    QAction* showComparisonAction;
    QAction* showSpecificitiesAction;
};

} // namespace quorvelle::ui
