// The second-text window, from which the comparison of two vocabularies starts.
#pragma once

#include "ui/stats/StatisticsWindow.h"

#include <QString>

class QAction;
class QLabel;

namespace quorvelle::ui {

class PlainTextBox;

/// Opened modal from the main window's "&La comparaison de vocabulaires". Text 1, in Text1,
/// is a copy of the main window's text; "&Ouvrir le texte n°2" loads text 2 into Text2, as the
/// main window opens its text, and "&Fermer le texte n°2" empties it. While a second text is
/// loaded, "&Statistiques" "&Affichage" compares the two boxes as they then stand, through
/// the wait dialog Dialog02. Both boxes stay editable.
class SecondTextWindow final : public StatisticsWindow {
    Q_OBJECT
public:
    /// text1 and firstFilePath: the main window's text and the path it shows.
    SecondTextWindow(const QString& text1, const QString& firstFilePath, QWidget* parent);

    /// Loads the file at path as text 2, as "&Ouvrir le texte n°2" does once a file is chosen.
    void openSecondText(const QString& path);

private slots:
    void ouvrir_Click();
    void fermer_Click();
    void affichage_Click();

private:
    void buildUi();
    void connectSignals();
    /// The menu items, Label4 and Text2 as they stand with or without a second text.
    void setSecondTextLoaded(bool loaded);

    QString firstFilePath_;

    QLabel* Label4;
    QLabel* lblFichier;
    QLabel* Label3;
    PlainTextBox* Text1;
    PlainTextBox* Text2;
    QAction* ouvrir;
    QAction* fermer;
    QAction* quitter;
    QAction* affichage;
};

} // namespace quorvelle::ui
