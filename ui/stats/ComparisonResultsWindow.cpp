// The comparison results window.
#include "ui/stats/ComparisonResultsWindow.h"

#include "core/presentation/french_messages.h"
#include "core/presentation/result_listing.h"
#include "core/statistics/comparison_figures.h"
#include "core/statistics/comparison_statistic.h"
#include "ui/HourglassCursor.h"
#include "ui/LoadedTextBox.h"
#include "ui/cp1252_text.h"
#include "ui/figure_explanations.h"
#include "ui/number_text.h"
#include "ui/stats/SpecificitiesWindow.h"
#include "ui/studied_files.h"
#include "ui/window_layout.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>
#include <functional>
#include <iterator>
#include <vector>

namespace quorvelle::ui {
namespace {

enum class Piece { Caption, Link, Heading, Value };

using ComparisonExplainer = std::function<FigureExplanation(const VocabularyComparison&, const ExplanationNumbers&)>;

// One label of a line of figures: a fixed text, or a value written from the comparison and how
// that value is computed.
struct FigureLabel {
    QString name;
    Piece piece;
    std::string_view text = {};
    std::function<QString(const VocabularyComparison&)> value = {};
    ComparisonExplainer explain = {};
};

using FigureLine = std::vector<FigureLabel>;

QColor colourOf(Piece piece)
{
    switch (piece) {
    case Piece::Caption:
        return Qt::blue;
    case Piece::Link:
        return Qt::darkMagenta;
    case Piece::Heading:
        return QColor(0x00, 0x00, 0x80); // navy
    case Piece::Value:
        break;
    }
    return Qt::darkRed;
}

// The name of a label of a figure of one text: the figure's id, the text's number, then what
// the label is ("commonShare1Label", "commonShare1Caption").
QString sideLabelName(const ComparedFigure& figure, std::size_t side, const char* piece)
{
    return QLatin1String(figure.id) + QLatin1String(sideNumber(side)) + QLatin1String(piece);
}

// The value of a figure of one text, and the text that follows it.
FigureLabel sideValue(const ComparedFigure& figure, std::size_t side)
{
    return {sideLabelName(figure, side, "Label"),
            Piece::Value,
            {},
            [&figure, side](const VocabularyComparison& comparison) {
                return figureText(figure.value(comparison.texts.at(side)), figure.format);
            },
            [&figure, side](const VocabularyComparison& comparison, const ExplanationNumbers& numbers) {
                return figure.explain(comparison, side, numbers);
            }};
}

FigureLabel sideCaption(const ComparedFigure& figure, std::size_t side, std::string_view text)
{
    return {sideLabelName(figure, side, "Caption"), Piece::Caption, text};
}

FigureLabel fixedText(const char* name, Piece piece, std::string_view text)
{
    return {QLatin1String(name), piece, text};
}

// The lines of figuresFrame, top to bottom. Each value label is named after the figure it
// shows, its caption after the same figure.
std::vector<FigureLine> figureLines()
{
    using namespace french;
    const auto [first, second] = std::array<std::size_t, 2>{0, 1};
    std::vector<FigureLine> lines = {
        {sideCaption(comparedTokenCount, first, tokenCount1Caption), sideValue(comparedTokenCount, first)},
        {sideCaption(comparedTokenCount, second, tokenCount2Caption), sideValue(comparedTokenCount, second)},
        {sideCaption(comparedDistinctCount, first, distinctCount1Caption), sideValue(comparedDistinctCount, first)},
        {sideCaption(comparedDistinctCount, second, distinctCount2Caption), sideValue(comparedDistinctCount, second)},
        {fixedText("commonCountCaption", Piece::Caption, commonCountCaption),
         {QStringLiteral("commonCountLabel"),
          Piece::Value,
          {},
          [](const VocabularyComparison& comparison) {
              return figureText(commonCountFigure.value(comparison), commonCountFigure.format);
          },
          commonCountFigure.explain}},
        {fixedText("commonShareLink", Piece::Link, amountingTo)},
        {sideValue(commonShareFigure, first), sideCaption(commonShareFigure, first, commonShare1Caption)},
        {sideValue(commonShareFigure, second), sideCaption(commonShareFigure, second, commonShare2Caption)},
        {fixedText("commonTokensLink", Piece::Link, representing)},
    };
    for (const std::size_t side : {first, second})
        lines.push_back({fixedText(side == first ? "forText1Caption" : "forText2Caption", Piece::Caption,
                                   side == first ? forText1 : forText2),
                         sideValue(commonTokensFigure, side), sideCaption(commonTokensFigure, side, attestationsOr),
                         sideValue(commonTokenShareFigure, side),
                         sideCaption(commonTokenShareFigure, side, tokenShareCaption)});
    for (const std::size_t side : {first, second}) {
        const FigureLine proper[] = {
            {side == first ? fixedText("firstTextHeading", Piece::Heading, text1Heading)
                           : fixedText("secondTextHeading", Piece::Heading, text2Heading)},
            {sideCaption(properCountFigure, side, properCountCaption), sideValue(properCountFigure, side)},
            {{sideLabelName(properShareFigure, side, "Link"), Piece::Link, amountingTo}},
            {sideValue(properShareFigure, side), sideCaption(properShareFigure, side, properShareCaption)},
            {{sideLabelName(properTokensFigure, side, "Link"), Piece::Link, representing}},
            {sideValue(properTokensFigure, side), sideCaption(properTokensFigure, side, attestationsOr),
             sideValue(properTokenShareFigure, side), sideCaption(properTokenShareFigure, side, tokenShareCaption)},
        };
        lines.insert(lines.end(), std::begin(proper), std::end(proper));
    }
    return lines;
}

} // namespace

ComparedTexts compareTexts(SharedText text1, SharedText text2)
{
    VocabularyComparison comparison = ComparisonStatistic::report(AnalysedTexts(text1, text2));
    std::vector<CommonForm> either = formsOfEitherText(comparison);
    return {std::move(text1), std::move(text2), std::move(comparison), std::move(either)};
}

ComparisonResultsWindow::ComparisonResultsWindow(ComparedTexts compared, QWidget* parent)
    : StatisticsWindow(compared.text1->letters(), parent)
    , compared_(std::move(compared))
    , formsModel_(new FormsModel(ComparisonStatistic::table.columns, this))
{
    QGroupBox* figuresFrame = createFigureLinesFrame();
    const ResultFrame forms = createResultFrame("formsFrame", tr("Forme(s)"), "formsBox", ScrollBars::Both, this);
    formsFrame = forms.frame;
    formsBox = forms.box;

    build({.caption = tr("Parvane Dorlesca - La comparaison de vocabulaires"),
           .title = utf8Text(ComparisonStatistic::info.title),
           .body = {{Row{figuresFrame, {formsFrame, 1}}, 1}},
           .size = {980, 640},
           .menuBar = {.resultBox = formsBox},
           .tableExport = {formsModel_, tr("comparaison.csv")},
           .statisticsItems = {{"showSpecificitiesAction", tr("&Spécificités"), [this] { showSpecificities(); }}}});
    connect(showCommonFormsButton, &QPushButton::clicked, this, &ComparisonResultsWindow::showCommonForms);
    connect(showFirstTextFormsButton, &QPushButton::clicked, this, &ComparisonResultsWindow::showFirstTextForms);
    connect(showSecondTextFormsButton, &QPushButton::clicked, this, &ComparisonResultsWindow::showSecondTextForms);
    formsModel_->setRows(compared_.formsOfEitherText);
    for (const auto& [label, value] : std::as_const(values_))
        label->setText(value(compared_.comparison));
}

QGroupBox* ComparisonResultsWindow::createFigureLinesFrame()
{
    QGroupBox* figuresFrame = createFrame("figuresFrame", tr("Statistiques"), this);
    showCommonFormsButton = createCommandButton(tr("Afficher"), figuresFrame);
    Q_SET_OBJECT_NAME(showCommonFormsButton);
    showCommonFormsButton->setAccessibleName(tr("Afficher les formes communes"));
    showFirstTextFormsButton = createCommandButton(tr("Afficher"), figuresFrame);
    Q_SET_OBJECT_NAME(showFirstTextFormsButton);
    showFirstTextFormsButton->setAccessibleName(tr("Afficher les formes propres au texte n°1"));
    showSecondTextFormsButton = createCommandButton(tr("Afficher"), figuresFrame);
    Q_SET_OBJECT_NAME(showSecondTextFormsButton);
    showSecondTextFormsButton->setAccessibleName(tr("Afficher les formes propres au texte n°2"));
    const QHash<QString, QPushButton*> buttonAfter = {{QStringLiteral("commonCountLabel"), showCommonFormsButton},
                                                      {QStringLiteral("firstTextHeading"), showFirstTextFormsButton},
                                                      {QStringLiteral("secondTextHeading"), showSecondTextFormsButton}};

    auto* figures = new QVBoxLayout(figuresFrame);
    for (const FigureLine& line : figureLines()) {
        auto* row = new QHBoxLayout;
        const bool heading = line.front().piece == Piece::Heading;
        if (heading)
            row->addStretch();
        for (const FigureLabel& figure : line) {
            auto* label = new QLabel(utf8Text(figure.text), figuresFrame);
            label->setObjectName(figure.name);
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, colourOf(figure.piece));
            label->setPalette(palette);
            if (figure.piece == Piece::Heading) {
                QFont font = label->font();
                font.setBold(true);
                label->setFont(font);
            }
            if (figure.value)
                values_.append({label, figure.value});
            if (figure.explain)
                explainFigure(label, [this, explain = figure.explain](const ExplanationNumbers& numbers) {
                    return explain(compared_.comparison, numbers);
                });
            row->addWidget(label);
            if (QPushButton* button = buttonAfter.value(label->objectName()))
                row->addWidget(button);
        }
        row->addStretch();
        figures->addLayout(row);
    }
    figures->addStretch();
    return figuresFrame;
}

void ComparisonResultsWindow::showCommonForms()
{
    ResultListing listing;
    for (const CommonForm& form : compared_.comparison.commonForms)
        listing.addCommonForm(form.form, form.counts[0], form.counts[1]);
    listForms(tr("Formes communes"), listing.text(), 1);
}

void ComparisonResultsWindow::showFirstTextForms()
{
    listForms(tr("Formes propres au texte n°1"), resultListing(compared_.comparison.texts[0].properForms), 1);
}

void ComparisonResultsWindow::showSecondTextForms()
{
    listForms(tr("Formes propres au texte n°2"), resultListing(compared_.comparison.texts[1].properForms), 2);
}

void ComparisonResultsWindow::showSpecificities()
{
    SpecificitiesWindow::open(this, QtFuture::makeReadyFuture(compared_.text1),
                              QtFuture::makeReadyFuture(compared_.text2));
}

void ComparisonResultsWindow::listForms(const QString& caption, const std::string& listing, int textNumber)
{
    const HourglassCursor hourglass;
    offerFormsInContext(textNumber == 1 ? compared_.text1 : compared_.text2, studiedFiles(this).value(textNumber - 1));
    formsFrame->setTitle(caption);
    formsBox->setTextName(caption);
    formsBox->setCp1252Text(std::make_shared<const std::string>(listing));
}

} // namespace quorvelle::ui
