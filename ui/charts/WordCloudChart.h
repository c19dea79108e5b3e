// The word cloud window: the weightiest forms of a list, drawn as a cloud and listed with their
// weights and sizes.
#pragma once

#include "core/presentation/word_cloud.h"
#include "ui/charts/ChartWindow.h"

#include <vector>

class QCheckBox;
class QLabel;
class QSpinBox;

namespace quorvelle::ui {

class WordCloudView;

/// A word cloud ("&Graphique" › "&Nuage de mots" of VocabularyWindow), beside the window that
/// opens it: the formCountBox weightiest forms ("Nombre de formes :", 100 at first), the user's
/// function words set aside while withoutFunctionWordsBox is checked ("Sans les mots-outils", at
/// first; see savedFunctionWords).
/// Either choice draws the cloud again; the values tab lists the forms drawn, with their weight
/// and their size, and leftOutLabel says how many forms found no room, when some did not.
class WordCloudChart final : public ChartWindow {
    Q_OBJECT
public:
    static constexpr int fewestForms = 10;
    static constexpr int mostForms = 300;
    static constexpr int formsAtFirst = 100;

    /// forms, in any order, are what the cloud chooses from; title says what they are ("Nuage de
    /// mots"), the files they come from after it, and weightTitle what their weight is ("Nombre
    /// d'attestations").
    WordCloudChart(std::vector<WeightedForm> forms, const QString& title, const QString& weightTitle, QWidget* parent);

private slots:
    void drawCloud();

private:
    void buildChoices();

    std::vector<WeightedForm> forms_;
    WordCloudView* cloudView_;
    QSpinBox* formCountBox;
    QCheckBox* withoutFunctionWordsBox;
    QLabel* leftOutLabel;
};

} // namespace quorvelle::ui
