// The comparison results window.
#include "ui/stats/ComparisonResultsWindow.h"

#include "core/french_messages.h"
#include "core/result_listing.h"
#include "ui/PlainTextBox.h"
#include "ui/cp1252_text.h"
#include "ui/hourglass.h"
#include "ui/number_text.h"
#include "ui/stats/table_export.h"
#include "ui/stats/window_layout.h"

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

// One label of a line of figures: a fixed text, or a value written from the comparison.
struct FigureLabel {
    const char* name;
    Piece piece;
    std::string_view text = {};
    std::function<QString(const VocabularyComparison&)> value = {};
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

FigureLabel count(const char* name, std::int64_t value(const VocabularyComparison&))
{
    return {name, Piece::Value, {}, [value](const VocabularyComparison& comparison) {
                return QString::number(value(comparison));
            }};
}

// A share that a text without forms leaves undefined shows nothing.
FigureLabel share(const char* name, std::optional<double> VocabularyComparison::*member)
{
    return {name, Piece::Value, {}, [member](const VocabularyComparison& comparison) {
                const std::optional<double>& value = comparison.*member;
                return value ? numberText(*value) : QString();
            }};
}

// The lines of Frame1, top to bottom.
std::vector<FigureLine> figureLines()
{
    using C = VocabularyComparison;
    using namespace french;
    return {
        {{"Label4", Piece::Caption, tokenCount1Caption}, count("Label7", [](const C& c) { return c.text1.tokenCount; })},
        {{"Label3", Piece::Caption, tokenCount2Caption}, count("Label8", [](const C& c) { return c.text2.tokenCount; })},
        {{"Label5", Piece::Caption, distinctCount1Caption},
         count("Label9", [](const C& c) { return c.text1.distinctCount; })},
        {{"Label6", Piece::Caption, distinctCount2Caption},
         count("Label10", [](const C& c) { return c.text2.distinctCount; })},
        {{"Label11", Piece::Caption, commonCountCaption}, count("Label15", [](const C& c) { return c.commonCount; })},
        {{"Label12", Piece::Link, amountingTo}},
        {share("Label18", &C::commonShare1), {"Label14", Piece::Caption, commonShare1Caption}},
        {share("Label19", &C::commonShare2), {"Label16", Piece::Caption, commonShare2Caption}},
        {{"Label20", Piece::Link, representing}},
        {{"Label13", Piece::Caption, forText1}, count("Label17", [](const C& c) { return c.commonTokens1; }),
         {"Label21", Piece::Caption, attestationsOr}, share("Label22", &C::commonTokenShare1),
         {"Label23", Piece::Caption, tokenShareCaption}},
        {{"Label24", Piece::Caption, forText2}, count("Label25", [](const C& c) { return c.commonTokens2; }),
         {"Label26", Piece::Caption, attestationsOr}, share("Label27", &C::commonTokenShare2),
         {"Label28", Piece::Caption, tokenShareCaption}},
        {{"Label29", Piece::Heading, text1Heading}},
        {{"Label31", Piece::Caption, properCountCaption}, count("Label32", [](const C& c) { return c.properCount1; })},
        {{"Label35", Piece::Link, amountingTo}},
        {share("Label40", &C::properShare1), {"Label37", Piece::Caption, properShareCaption}},
        {{"Label42", Piece::Link, representing}},
        {count("Label46", [](const C& c) { return c.properTokens1; }), {"Label45", Piece::Caption, attestationsOr},
         share("Label44", &C::properTokenShare1), {"Label43", Piece::Caption, tokenShareCaption}},
        {{"Label30", Piece::Heading, text2Heading}},
        {{"Label33", Piece::Caption, properCountCaption}, count("Label34", [](const C& c) { return c.properCount2; })},
        {{"Label36", Piece::Link, amountingTo}},
        {share("Label39", &C::properShare2), {"Label38", Piece::Caption, properShareCaption}},
        {{"Label41", Piece::Link, representing}},
        {count("Label50", [](const C& c) { return c.properTokens2; }), {"Label49", Piece::Caption, attestationsOr},
         share("Label48", &C::properTokenShare2), {"Label47", Piece::Caption, tokenShareCaption}},
    };
}

} // namespace

ComparisonResultsWindow::ComparisonResultsWindow(std::string_view text1, std::string_view text2, QWidget* parent)
    : StatisticsWindow(parent)
    , text1_(text1)
    , text2_(text2)
{
    buildUi();
    connectSignals();
    Form_Load(text1, text2);
}

void ComparisonResultsWindow::buildUi()
{
    setWindowTitle(tr("Parvane Dorlesca - La comparaison de vocabulaires"));

    auto* Frame1 = new QGroupBox(tr("Statistiques"), this);
    Q_SET_OBJECT_NAME(Frame1);
    Command1 = createCommandButton(tr("Afficher"), Frame1);
    Q_SET_OBJECT_NAME(Command1);
    Command1->setAccessibleName(tr("Afficher les formes communes"));
    Command3 = createCommandButton(tr("Afficher"), Frame1);
    Q_SET_OBJECT_NAME(Command3);
    Command3->setAccessibleName(tr("Afficher les formes propres au texte n°1"));
    Command2 = createCommandButton(tr("Afficher"), Frame1);
    Q_SET_OBJECT_NAME(Command2);
    Command2->setAccessibleName(tr("Afficher les formes propres au texte n°2"));
    const QHash<QString, QPushButton*> buttonAfter = {
        {QStringLiteral("Label15"), Command1}, {QStringLiteral("Label29"), Command3}, {QStringLiteral("Label30"), Command2}};

    auto* figures = new QVBoxLayout(Frame1);
    for (const FigureLine& line : figureLines()) {
        auto* row = new QHBoxLayout;
        const bool heading = line.front().piece == Piece::Heading;
        if (heading)
            row->addStretch();
        for (const FigureLabel& figure : line) {
            auto* label = new QLabel(utf8Text(figure.text), Frame1);
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
            row->addWidget(label);
            if (QPushButton* button = buttonAfter.value(label->objectName()))
                row->addWidget(button);
        }
        row->addStretch();
        figures->addLayout(row);
    }
    figures->addStretch();

    const ResultFrame forms = createResultFrame("Frame3", tr("Forme(s)"), "Text1", ScrollBars::Both, this);
    Frame3 = forms.frame;
    Text1 = forms.box;

    auto* body = new QHBoxLayout;
    body->addWidget(Frame1);
    body->addWidget(Frame3, 1);
    addWindowTitle(tr("La comparaison de vocabulaires"));
    windowLayout()->addLayout(body, 1);

    using FormsModel = RowTableModel<CommonForm>;
    formsModel_ = new FormsModel({FormsModel::textColumn(tr("Forme"), &CommonForm::form),
                                  FormsModel::countColumn(tr("Texte n°1"), &CommonForm::count1),
                                  FormsModel::countColumn(tr("Texte n°2"), &CommonForm::count2)},
                                 this);
    addExportItem(buildMenuBar({.resultBox = Text1}).file, formsModel_, tr("comparaison.csv"), this);
    resize(windowSize);
}

void ComparisonResultsWindow::connectSignals()
{
    connect(Command1, &QPushButton::clicked, this, &ComparisonResultsWindow::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &ComparisonResultsWindow::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &ComparisonResultsWindow::Command3_Click);
}

void ComparisonResultsWindow::Form_Load(std::string_view text1, std::string_view text2)
{
    comparison_ = vocabularyComparison(text1, text2);
    formsOfEitherText_ = formsOfEitherText(comparison_);
    formsModel_->setRows(formsOfEitherText_);
    for (const auto& [label, value] : std::as_const(values_))
        label->setText(value(comparison_));
}

void ComparisonResultsWindow::Command1_Click()
{
    ResultListing listing;
    for (const CommonForm& form : comparison_.commonForms)
        listing.addCommonForm(form.form, form.count1, form.count2);
    listForms(tr("Formes communes"), listing.text(), text1_);
}

void ComparisonResultsWindow::Command2_Click()
{
    listForms(tr("Formes propres au texte n°2"), resultListing(comparison_.properForms2), text2_);
}

void ComparisonResultsWindow::Command3_Click()
{
    listForms(tr("Formes propres au texte n°1"), resultListing(comparison_.properForms1), text1_);
}

void ComparisonResultsWindow::listForms(const QString& caption, const std::string& listing, std::string_view text)
{
    const HourglassCursor hourglass;
    offerFormsInContext(text);
    Frame3->setTitle(caption);
    Text1->setAccessibleName(caption);
    Text1->setText(fromCp1252(listing));
}

} // namespace quorvelle::ui
