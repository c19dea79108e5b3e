// "Comment ce nombre est-il calculé ?" over the windows: for each kind of figure, on the
// manual's worked example and on the sample text, the explanation opens beside the figure and
// ends on the figure as the window shows it; Maj+F1 asks for it from the keyboard, and its
// button opens the manual. The arithmetic of each explanation is the core's.
#include "tests/ui/ui_test_support.h"

#include "core/statistics/specificities_statistic.h"
#include "ui/ExplanationWindow.h"
#include "ui/HelpWindow.h"
#include "ui/charts/chart_windows.h"
#include "ui/figure_explanations.h"
#include "ui/stats/CollocatesWindow.h"
#include "ui/stats/DispersionWindow.h"
#include "ui/stats/SpecificitiesWindow.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

using namespace quorvelle;
using test::child;

namespace {

const QByteArray workedExample = "Le chat voit le chien. Le chien voit le loup. Le loup fuit.";

QByteArray sampleText()
{
    QFile sample(QStringLiteral(QUORVELLE_SAMPLES "/exemple.txt"));
    sample.open(QIODevice::ReadOnly);
    return sample.readAll();
}

// The window of the statistic on text; the comparison compares text with the worked example.
std::unique_ptr<QWidget> openWindow(const QString& statistic, const QByteArray& text)
{
    if (statistic == QStringLiteral("compare"))
        return test::openComparisonResults(text, workedExample);
    return test::openStatisticWindow(statistic.toStdString(), text);
}

// Asks for the explanation of the cell of a view's row and column through its context menu, as
// a right click on it does; returns the cell's text.
QString explainThroughContextMenu(QAbstractItemView* view, int row, int column)
{
    const QModelIndex index = view->model()->index(row, column);
    view->scrollTo(index);
    QTimer::singleShot(0, view, [] {
        QWidget* menu = QApplication::activePopupWidget();
        QVERIFY(menu);
        auto* explain = menu->findChild<QAction*>(QStringLiteral("explainFigureAction"));
        if (!explain) // the menu shows the view's actions without owning them
            for (QAction* action : menu->actions())
                if (action->objectName() == QStringLiteral("explainFigureAction"))
                    explain = action;
        QVERIFY(explain);
        explain->trigger();
        menu->close();
    });
    emit view->customContextMenuRequested(view->visualRect(index).center());
    return index.data().toString();
}

// The text of the window's explanation, or an empty string when none is open.
QString explanationShown(const QWidget& window)
{
    const auto* explanation = window.findChild<ui::ExplanationWindow*>();
    if (!explanation || !explanation->isVisible())
        return {};
    return child<QTextEdit>(*explanation, "explanationText")->toPlainText();
}

// Asks for the explanation of the shown window's figure, a label or the cell at row and column
// of a view, and checks that it has the step and ends on the figure as the window shows it.
void checkExplanation(const QWidget& window, const QString& figure, int row, int column, const QString& step)
{
    auto* widget = child<QWidget>(window, qPrintable(figure));
    QString shown;
    if (auto* view = qobject_cast<QAbstractItemView*>(widget)) {
        shown = explainThroughContextMenu(view, row, column);
    } else {
        shown = qobject_cast<QLabel*>(widget)->text();
        auto* explain = widget->findChild<QAction*>(QStringLiteral("explainFigureAction"));
        QVERIFY(explain && widget->actions().contains(explain)); // in the context menu
        QCOMPARE(widget->contextMenuPolicy(), Qt::ActionsContextMenu);
        explain->trigger();
    }
    QVERIFY(!shown.isEmpty());
    const QString explanation = explanationShown(window);
    QVERIFY2(explanation.contains(step), qPrintable(explanation));
    QVERIFY2(explanation.trimmed().endsWith(QStringLiteral("Valeur affichée : ") + shown), qPrintable(explanation));
}

// A window opened on the manual's worked example of its statistic.
using OpenWindow = std::function<std::unique_ptr<QWidget>()>;

} // namespace

Q_DECLARE_METATYPE(OpenWindow)

class tst_explanations : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::setUpWindowTests(); }

    void figuresExplainTheValueShown_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("statistic");
        QTest::addColumn<QString>("figure"); // the name of the label or of the view
        QTest::addColumn<int>("row");        // in a view
        QTest::addColumn<QString>("step");   // a step with the report's numbers
        QTest::addColumn<int>("column");     // in a view

        struct Figure {
            const char* statistic;
            const char* figure;
            int row;
            const char* exampleStep; // on the worked example
            int sampleRow;
            const char* sampleStep; // on the sample text
            int column = 0;
        };
        const Figure figures[] = {
            {"vocabulary", "totalFormsValue", -1, "N = 13.", -1, "N = 829."},
            {"vocabulary", "distinctFormsValue", -1, "V = 6.", -1, "V = 394."},
            {"vocabulary", "meanFrequencyValue", -1, "13 / 6 = 2,1666…", -1, "829 / 394 = 2,1040…"},
            {"frequencies", "meanFrequencyValue", -1, "N = 13 et V = 6.", -1, "N = 829 et V = 394."},
            {"frequencies", "deviationList", 0, "5 − 2,2 = 2,8", 0, "27 − 2,1 = 24,9"},
            {"frequencies", "deviationList", 2, "1 − 2,2 = -1,2", 16, "1 − 2,1 = -1,1"},
            {"sentences", "meanLengthValue", -1, "13 / 3 = 4,3333…", -1, "829 / 77 = 10,7662…"},
            {"enrichment", "formCountValue", -1, "une seule tranche, de 13 formes", -1, "8 × 100 + 29 = 829"},
            {"lengths", "percentageList", 0, "2 / 13 × 100 = 15,3846…", 0, "1 / 829 × 100 = 0,1206…"},
            {"richness", "measuresGrid", 0, "6 / 13 = 0,461538…", 0, "394 / 829 = 0,475271…", 1},
            {"compare", "tokenCount1Label", -1, "N₁ = 13.", -1, "N₁ = 829."},
            {"compare", "commonShare1Label", -1, "6 / 6 × 100 = 100", -1, "2 / 394 × 100 = 0,5076…"},
            {"compare", "properTokens2Label", -1, "13 − 13 = 0", -1, "13 − 7 = 6"},
        };
        const QByteArray sample = sampleText();
        for (const Figure& figure : figures) {
            QTest::addRow("%s %s %d, exemple", figure.statistic, figure.figure, figure.row)
                << workedExample << QString::fromLatin1(figure.statistic) << QString::fromLatin1(figure.figure)
                << figure.row << QString::fromUtf8(figure.exampleStep) << figure.column;
            QTest::addRow("%s %s %d, échantillon", figure.statistic, figure.figure, figure.sampleRow)
                << sample << QString::fromLatin1(figure.statistic) << QString::fromLatin1(figure.figure)
                << figure.sampleRow << QString::fromUtf8(figure.sampleStep) << figure.column;
        }
    }

    void figuresExplainTheValueShown()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, statistic);
        QFETCH(QString, figure);
        QFETCH(int, row);
        QFETCH(QString, step);
        QFETCH(int, column);
        const std::unique_ptr<QWidget> window = openWindow(statistic, text);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        checkExplanation(*window, figure, row, column, step);
    }

    // The same in the windows of two texts, of a form and of Zipf's line, each on its manual's
    // worked example; the dispersion's measures follow the number of parts chosen.
    void formAndLineFiguresExplainTheValueShown_data()
    {
        QTest::addColumn<OpenWindow>("open");
        QTest::addColumn<QString>("figure");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("step");

        const OpenWindow specificities = [] {
            const SharedText sea = test::analysed("mer le mer le mer le mer le mer le mer mer mer mer mer");
            const SharedText sky = test::analysed("ciel le ciel le ciel le ciel le ciel le ciel ciel ciel ciel ciel");
            return std::make_unique<ui::SpecificitiesWindow>(
                sea, sky, SpecificitiesStatistic::report(AnalysedTexts(sea, sky)), nullptr);
        };
        const OpenWindow collocates = [] {
            static constexpr std::string_view cats =
                "Le chat noir passe. Le chien dort au soleil devant la porte de la maison. Le chat noir saute. Les "
                "oiseaux chantent dans le grand arbre du jardin. Le chat noir guette. Le chien ouvre les yeux, puis "
                "se rendort.";
            return std::make_unique<ui::CollocatesWindow>(test::analysed(QByteArray(cats.data(), cats.size())),
                                                          TextQuery{"chat"}, collocateReport(cats, "chat"), nullptr);
        };
        const OpenWindow dispersionIn20Parts = [] {
            std::vector<DispersionReport> reports;
            for (const int parts : ui::DispersionWindow::partChoices)
                reports.push_back(dispersionReport("Le chat, le chien, le loup, le chat, le lion.", "chat", parts));
            auto window = std::make_unique<ui::DispersionWindow>(std::move(reports), nullptr);
            child<QComboBox>(*window, "partsBox")->setCurrentIndex(1);
            return window;
        };
        const OpenWindow zipf = [] {
            return std::make_unique<ui::ZipfChart>(zipfReport("Le chat voit le chien."), nullptr);
        };
        const OpenWindow zipfOfOneForm = [] {
            return std::make_unique<ui::ZipfChart>(zipfReport("Chat, chat, chat."), nullptr);
        };
        const struct {
            const char* name;
            OpenWindow open;
            const char* figure;
            int row, column;
            const char* step;
        } figures[] = {
            {"fréquence", specificities, "specificityGrid", 0, 3, "10 × 10 000 / 15 = 6666,6666…"},
            {"spécificité", specificities, "specificityGrid", 0, 5, "P(X ≥ 10) ≈ 9,995 × 10⁻⁵"},
            {"G²", specificities, "specificityGrid", 0, 6, "f1 ln(f1 / E1) = 10 × ln(10 / 5) = 6,9314…"},
            {"log ratio", specificities, "specificityGrid", 1, 7, "log2 0,05 = -4,3219…"},
            {"formes", specificities, "tokenCount1Value", -1, 0, "N1 = 15."},
            {"formes spécifiques", specificities, "overUsedIn2Value", -1, 0, "S ≤ −2 : 1."},
            {"score", collocates, "collocateGrid", 0, 3, "E = F × t / N = 3 × 9 / 40 = 0,675"},
            {"t", collocates, "spanFormsValue", -1, 0, "en retirent 30 − 9 = 21 : t = 9."},
            {"D", dispersionIn20Parts, "juillandValue", -1, 0, "18 × (0 − 0,1)² + 2 × (1 − 0,1)² = 1,8"},
            {"DP", dispersionIn20Parts, "griesValue", -1, 0, "DP = ½ × 1,6 = 0,8"},
            {"a", zipf, "interceptValue", -1, 0, "a = ȳ − b × x̄ = 0,0752574… − (-0,507942…) × 0,345052…"},
            {"b", zipf, "slopeValue", -1, 0, "b = -0,103871… / 0,204494… = -0,507942…"},
            {"R²", zipf, "determinationValue", -1, 0, "R² = 1 − 0,0152037… / 0,0679642… = 0,776298…"},
            {"a non défini", zipfOfOneForm, "interceptValue", -1, 0, "le texte en a 1. Il n'y a pas de droite."},
        };
        for (const auto& figure : figures)
            QTest::newRow(figure.name) << figure.open << QString::fromLatin1(figure.figure) << figure.row
                                       << figure.column << QString::fromUtf8(figure.step);
    }

    void formAndLineFiguresExplainTheValueShown()
    {
        QFETCH(OpenWindow, open);
        QFETCH(QString, figure);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, step);
        const std::unique_ptr<QWidget> window = open();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        checkExplanation(*window, figure, row, column, step);
    }

    // Maj+F1 explains the figure that has the focus, which Tab gives to a total; the same
    // window shows each explanation asked for, and its button opens the manual at the page.
    void keyboardAndManual()
    {
        const std::unique_ptr<QWidget> window = test::openStatisticWindow("frequencies", workedExample);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto* mean = child<QLabel>(*window, "meanFrequencyValue");
        QCOMPARE(mean->focusPolicy(), Qt::StrongFocus);
        mean->setFocus();
        QTest::keyClick(mean, Qt::Key_F1, Qt::ShiftModifier);
        QVERIFY(explanationShown(*window).startsWith(QStringLiteral("Fréquence moyenne d'attestation")));

        // In these lists the first drives: Maj+F1 explains the row they stand on.
        test::clickRow(*window, QStringLiteral("frequencyList"), 1);
        auto* deviations = child<QListView>(*window, "deviationList");
        deviations->setFocus();
        QTest::keyClick(deviations, Qt::Key_F1, Qt::ShiftModifier);
        QVERIFY(explanationShown(*window).contains(QStringLiteral("2 − 2,2 = -0,2")));
        QCOMPARE(window->findChildren<ui::ExplanationWindow*>().size(), 1);

        auto* explanation = window->findChild<ui::ExplanationWindow*>();
        auto* text = child<QTextEdit>(*explanation, "explanationText");
        QCOMPARE(text->accessibleName(), QStringLiteral("Explication du calcul"));
        QVERIFY(text->isReadOnly());
        // French spacing: a wrapped line never starts with a colon.
        QVERIFY(text->document()->toRawText().contains(QStringLiteral("Valeur affichée\u00A0: -0,2")));
        QTest::mouseClick(child<QPushButton>(*explanation, "manualButton"), Qt::LeftButton);
        auto* help = explanation->findChild<ui::HelpWindow*>();
        QVERIFY(help && help->isVisible());
        QCOMPARE(child<QTextBrowser>(*help, "helpBrowser")->source(),
                 QUrl(QStringLiteral("qrc:/help/frequences.html")));
    }

    // On a row of a grid, Maj+F1 explains the row's figure from whichever cell is current.
    void aRowExplainsItsFigureFromAnyColumn()
    {
        const std::unique_ptr<QWidget> window = test::openStatisticWindow("richness", workedExample);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto* grid = child<QTableView>(*window, "measuresGrid");
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(1, 0));
        QTest::keyClick(grid, Qt::Key_F1, Qt::ShiftModifier);
        QVERIFY(explanationShown(*window).startsWith(QStringLiteral("Indice de Guiraud")));
        QVERIFY(explanationShown(*window).trimmed().endsWith(grid->model()->index(1, 1).data().toString()));
    }

    // The explanation opens beside the figure's window, on a side where the screen has room,
    // so that the figure stays in sight.
    void opensBesideTheFiguresWindow()
    {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect owners[] = {QRect(screen.topLeft(), QSize(160, 120)),                                 // right
                                QRect(screen.right() - 159, screen.top(), 160, 120),                      // left
                                QRect(screen.left(), screen.top(), screen.width(), screen.height() / 4)}; // below
        for (const QRect& place : owners) {
            QWidget owner;
            owner.setGeometry(place);
            auto* figure = new QLabel(QStringLiteral("2,1"), &owner);
            ui::explainFigure(figure, [](const ExplanationNumbers&) { return FigureExplanation(); });
            owner.show();
            QVERIFY(QTest::qWaitForWindowExposed(&owner));
            figure->findChild<QAction*>(QStringLiteral("explainFigureAction"))->trigger();
            const QRect explanation = owner.findChild<ui::ExplanationWindow*>()->frameGeometry();
            QVERIFY(!explanation.intersects(owner.frameGeometry()));
            QVERIFY(screen.contains(explanation));
        }
    }
};

QTEST_MAIN(tst_explanations)
#include "tst_explanations.moc"
