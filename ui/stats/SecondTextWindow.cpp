// The second-text window.
#include "ui/stats/SecondTextWindow.h"

#include "core/statistics/comparison_statistic.h"
#include "ui/LoadedTextBox.h"
#include "ui/TextAnalysis.h"
#include "ui/WaitDialog.h"
#include "ui/cp1252_text.h"
#include "ui/file_dialogs.h"
#include "ui/stats/ComparisonResultsWindow.h"
#include "ui/stats/SpecificitiesWindow.h"
#include "ui/studied_files.h"
#include "ui/text_opening.h"
#include "ui/window_layout.h"

#include <QAction>
#include <QFuture>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include <memory>
#include <optional>
#include <utility>

namespace quorvelle::ui {
namespace {

// A text's box in a frame of the given title, which names it for screen readers.
QGroupBox* framedTextBox(const char* frameName, const QString& title, LoadedTextBox* box)
{
    auto* frame = new QGroupBox(title, box->parentWidget());
    frame->setObjectName(frameName);
    box->setParent(frame);
    box->setTextName(title);
    (new QVBoxLayout(frame))->addWidget(box);
    return frame;
}

} // namespace

SecondTextWindow::SecondTextWindow(SharedText text1, const QString& firstFilePath, QWidget* parent)
    : StatisticsWindow(text1->letters(), parent)
    , firstFilePath_(firstFilePath)
{
    comparisonHintLabel =
        new QLabel(tr("Affichez les comparaisons par la commande 'Affichage' du menu 'Statistiques'."), this);
    Q_SET_OBJECT_NAME(comparisonHintLabel);
    // Over the first text: an invitation to open the second one, then the first one's path.
    firstFilePathLabel = new QLabel(tr("Chargez un fichier texte pour le texte n°2 avec la commande Ouvrir"), this);
    Q_SET_OBJECT_NAME(firstFilePathLabel);
    secondFilePathLabel = new QLabel(this);
    Q_SET_OBJECT_NAME(secondFilePathLabel);
    for (QLabel* path : {firstFilePathLabel, secondFilePathLabel})
        path->setTextInteractionFlags(Qt::TextSelectableByMouse);
    firstTextBox = new LoadedTextBox(this);
    Q_SET_OBJECT_NAME(firstTextBox);
    secondTextBox = new LoadedTextBox(this);
    Q_SET_OBJECT_NAME(secondTextBox);
    auto* texts = new QGridLayout;
    texts->addWidget(firstFilePathLabel, 0, 0);
    texts->addWidget(secondFilePathLabel, 0, 1);
    texts->addWidget(framedTextBox("firstTextFrame", tr("Texte n°1"), firstTextBox), 1, 0);
    texts->addWidget(framedTextBox("secondTextFrame", tr("Texte n°2"), secondTextBox), 1, 1);
    texts->setRowStretch(1, 1);

    build({.caption = tr("Parvane Dorlesca - La comparaison de vocabulaires"),
           .title = utf8Text(ComparisonStatistic::info.title),
           .body = {{comparisonHintLabel, 0, Qt::AlignHCenter}, {texts, 1}},
           .size = {960, 620},
           .fileItems = {{"openSecondTextAction", tr("&Ouvrir le texte n°2"), [this] { chooseSecondText(); },
                          &openSecondTextAction},
                         {"closeSecondTextAction", tr("&Fermer le texte n°2"), [this] { closeSecondText(); },
                          &closeSecondTextAction}},
           .statisticsItems = {
               {"showComparisonAction", tr("&Affichage"), [this] { showComparison(); }, &showComparisonAction},
               {"showSpecificitiesAction", tr("&Spécificités"),
                [this] { SpecificitiesWindow::open(this, firstAnalysis_->current(), secondAnalysis_->current()); },
                &showSpecificitiesAction}}});
    firstAnalysis_ = new TextAnalysis(firstTextBox);
    secondAnalysis_ = new TextAnalysis(secondTextBox);
    // The two texts are cut into forms by the same rule, the first text's.
    secondAnalysis_->setLetters(text1->letters());
    firstAnalysis_->showAnalysed(std::move(text1));
    setSecondTextLoaded(false);
}

void SecondTextWindow::setSecondTextLoaded(bool loaded)
{
    openSecondTextAction->setEnabled(!loaded);
    closeSecondTextAction->setEnabled(loaded);
    showComparisonAction->setEnabled(loaded);
    showSpecificitiesAction->setEnabled(loaded);
    comparisonHintLabel->setVisible(loaded);
    secondTextBox->setEnabled(loaded);
}

void SecondTextWindow::chooseSecondText()
{
    const QString path = chooseTextFile(this);
    if (!path.isEmpty())
        openSecondText(path);
}

void SecondTextWindow::openSecondText(const QString& path)
{
    const std::optional<OpenedText> opened = openTextInto(secondTextBox, path, this);
    if (!opened)
        return;
    firstFilePathLabel->setText(firstFilePath_);
    secondFilePathLabel->setText(opened->path);
    // The comparison's windows are named and titled after both texts.
    if (!firstFilePath_.isEmpty())
        setStudiedFiles(this, {firstFilePath_, opened->path});
    setSecondTextLoaded(true);
}

void SecondTextWindow::closeSecondText()
{
    secondTextBox->setText(QString());
    firstFilePathLabel->setText(tr("Chargez un fichier texte avec la commande Ouvrir."));
    secondFilePathLabel->setText(QString());
    setStudiedFiles(this, {});
    setSecondTextLoaded(false);
}

void SecondTextWindow::showComparison()
{
    // The second text is the one most likely still being analysed: the wait dialog shows how
    // far that has gone.
    const QFuture<SharedText> second = secondAnalysis_->current();
    std::optional<ComparedTexts> compared = resultAfterWaiting(
        this, computeWhenAnalysed(compareTexts, firstAnalysis_->current(), second), QFuture<void>(second));
    if (compared)
        openModal<ComparisonResultsWindow>(this, std::move(*compared));
}

} // namespace quorvelle::ui
