// The comparison results window.
#include "ui/stats/ComparisonResultsWindow.h"

#include "core/catalogue/statistics_catalogue.h"

#include "core/presentation/french_messages.h"
#include "core/presentation/result_listing.h"
#include "ui/HourglassCursor.h"
#include "ui/PlainTextBox.h"
#include "ui/cp1252_text.h"
#include "ui/figure_explanations.h"
#include "ui/menus.h"
#include "ui/number_text.h"
#include "ui/stats/SpecificitiesWindow.h"
#include "ui/studied_files.h"
#include "ui/table_export.h"
#include "ui/window_layout.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <optional>
#include <vector>

namespace quorvelle::ui {
namespace {

constexpr QSize windowSize(980, 640);

enum class Piece { Caption, Link, Heading, Value };

using ComparisonExplainer = FigureExplanation (*)(const VocabularyComparison&, const ExplanationNumbers&);

// One label of a line of figures: a fixed text, or a value written from the comparison and how
// that value is computed.
struct FigureLabel {
    const char* name;
    Piece piece;
    std::string_view text = {};
    std::function<QString(const VocabularyComparison&)> value = {};
    ComparisonExplainer explain = nullptr;
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

FigureLabel count(const char* name, ComparisonExplainer explain, std::int64_t value(const VocabularyComparison&))
{
    return {name,
            Piece::Value,
            {},
            [value](const VocabularyComparison& comparison) { return QString::number(value(comparison)); },
            explain};
}

// A share that a text without forms leaves undefined shows nothing.
FigureLabel share(const char* name, ComparisonExplainer explain, std::optional<double> VocabularyComparison::*member)
{
    return {name,
            Piece::Value,
            {},
            [member](const VocabularyComparison& comparison) {
                const std::optional<double>& value = comparison.*member;
                return value ? numberText(*value) : QString();
            },
            explain};
}

// The lines of figuresFrame, top to bottom. Each value label is named after the figure it
// shows, its caption after the same figure.
std::vector<FigureLine> figureLines()
{
    using C = VocabularyComparison;
    using namespace french;
    return {
        {{"tokenCount1Caption", Piece::Caption, tokenCount1Caption},
         count("tokenCount1Label", explainComparedTokenCount<1>, [](const C& c) { return c.text1.tokenCount; })},
        {{"tokenCount2Caption", Piece::Caption, tokenCount2Caption},
         count("tokenCount2Label", explainComparedTokenCount<2>, [](const C& c) { return c.text2.tokenCount; })},
        {{"distinctCount1Caption", Piece::Caption, distinctCount1Caption},
         count("distinctCount1Label", explainComparedDistinctCount<1>,
               [](const C& c) { return c.text1.distinctCount; })},
        {{"distinctCount2Caption", Piece::Caption, distinctCount2Caption},
         count("distinctCount2Label", explainComparedDistinctCount<2>,
               [](const C& c) { return c.text2.distinctCount; })},
        {{"commonCountCaption", Piece::Caption, commonCountCaption},
         count("commonCountLabel", explainCommonCount, [](const C& c) { return c.commonCount; })},
        {{"commonShareLink", Piece::Link, amountingTo}},
        {share("commonShare1Label", explainCommonShare<1>, &C::commonShare1),
         {"commonShare1Caption", Piece::Caption, commonShare1Caption}},
        {share("commonShare2Label", explainCommonShare<2>, &C::commonShare2),
         {"commonShare2Caption", Piece::Caption, commonShare2Caption}},
        {{"commonTokensLink", Piece::Link, representing}},
        {{"forText1Caption", Piece::Caption, forText1},
         count("commonTokens1Label", explainCommonTokens<1>, [](const C& c) { return c.commonTokens1; }),
         {"commonTokens1Caption", Piece::Caption, attestationsOr},
         share("commonTokenShare1Label", explainCommonTokenShare<1>, &C::commonTokenShare1),
         {"commonTokenShare1Caption", Piece::Caption, tokenShareCaption}},
        {{"forText2Caption", Piece::Caption, forText2},
         count("commonTokens2Label", explainCommonTokens<2>, [](const C& c) { return c.commonTokens2; }),
         {"commonTokens2Caption", Piece::Caption, attestationsOr},
         share("commonTokenShare2Label", explainCommonTokenShare<2>, &C::commonTokenShare2),
         {"commonTokenShare2Caption", Piece::Caption, tokenShareCaption}},
        {{"firstTextHeading", Piece::Heading, text1Heading}},
        {{"properCount1Caption", Piece::Caption, properCountCaption},
         count("properCount1Label", explainProperCount<1>, [](const C& c) { return c.properCount1; })},
        {{"properShare1Link", Piece::Link, amountingTo}},
        {share("properShare1Label", explainProperShare<1>, &C::properShare1),
         {"properShare1Caption", Piece::Caption, properShareCaption}},
        {{"properTokens1Link", Piece::Link, representing}},
        {count("properTokens1Label", explainProperTokens<1>, [](const C& c) { return c.properTokens1; }),
         {"properTokens1Caption", Piece::Caption, attestationsOr},
         share("properTokenShare1Label", explainProperTokenShare<1>, &C::properTokenShare1),
         {"properTokenShare1Caption", Piece::Caption, tokenShareCaption}},
        {{"secondTextHeading", Piece::Heading, text2Heading}},
        {{"properCount2Caption", Piece::Caption, properCountCaption},
         count("properCount2Label", explainProperCount<2>, [](const C& c) { return c.properCount2; })},
        {{"properShare2Link", Piece::Link, amountingTo}},
        {share("properShare2Label", explainProperShare<2>, &C::properShare2),
         {"properShare2Caption", Piece::Caption, properShareCaption}},
        {{"properTokens2Link", Piece::Link, representing}},
        {count("properTokens2Label", explainProperTokens<2>, [](const C& c) { return c.properTokens2; }),
         {"properTokens2Caption", Piece::Caption, attestationsOr},
         share("properTokenShare2Label", explainProperTokenShare<2>, &C::properTokenShare2),
         {"properTokenShare2Caption", Piece::Caption, tokenShareCaption}},
    };
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
{
    buildUi();
    connectSignals();
    formsModel_->setRows(compared_.formsOfEitherText);
    for (const auto& [label, value] : std::as_const(values_))
        label->setText(value(compared_.comparison));
}

void ComparisonResultsWindow::buildUi()
{
    setWindowTitle(tr("Parvane Dorlesca - La comparaison de vocabulaires"));

    auto* figuresFrame = new QGroupBox(tr("Statistiques"), this);
    Q_SET_OBJECT_NAME(figuresFrame);
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

    const ResultFrame forms = createResultFrame("formsFrame", tr("Forme(s)"), "formsBox", ScrollBars::Both, this);
    formsFrame = forms.frame;
    formsBox = forms.box;

    auto* body = new QHBoxLayout;
    body->addWidget(figuresFrame);
    body->addWidget(formsFrame, 1);
    addWindowTitle(utf8Text(ComparisonStatistic::info.title));
    windowLayout()->addLayout(body, 1);

    using FormsModel = RowTableModel<CommonForm>;
    formsModel_ = new FormsModel(ComparisonStatistic::table.columns, this);
    const WindowMenus menus = buildMenuBar({.resultBox = formsBox, .statistics = true});
    addExportItem(menus.file, formsModel_, tr("comparaison.csv"), this);
    showSpecificitiesAction = addMenuItem(menus.statistics, "showSpecificitiesAction", tr("&Spécificités"));
    resize(windowSize);
}

void ComparisonResultsWindow::connectSignals()
{
    connect(showSpecificitiesAction, &QAction::triggered, this, &ComparisonResultsWindow::showSpecificities);
    connect(showCommonFormsButton, &QPushButton::clicked, this, &ComparisonResultsWindow::showCommonForms);
    connect(showFirstTextFormsButton, &QPushButton::clicked, this, &ComparisonResultsWindow::showFirstTextForms);
    connect(showSecondTextFormsButton, &QPushButton::clicked, this, &ComparisonResultsWindow::showSecondTextForms);
}

void ComparisonResultsWindow::showCommonForms()
{
    ResultListing listing;
    for (const CommonForm& form : compared_.comparison.commonForms)
        listing.addCommonForm(form.form, form.count1, form.count2);
    listForms(tr("Formes communes"), listing.text(), 1);
}

void ComparisonResultsWindow::showFirstTextForms()
{
    listForms(tr("Formes propres au texte n°1"), resultListing(compared_.comparison.properForms1), 1);
}

void ComparisonResultsWindow::showSecondTextForms()
{
    listForms(tr("Formes propres au texte n°2"), resultListing(compared_.comparison.properForms2), 2);
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
    formsBox->setAccessibleName(caption);
    formsBox->setText(fromCp1252(listing));
}

} // namespace quorvelle::ui
