// The chart windows over the rows of their statistics windows, the tab rule of "&Imprimer",
// and what printing and saving produce: PDF pages read back as text, pictures.
#include "core/statistics/specificities_statistic.h"
#include "tests/ui/ui_test_support.h"
#include "ui/charts/WordCloudChart.h"
#include "ui/charts/WordCloudView.h"
#include "ui/charts/chart_windows.h"

#include "ui/MessageBox.h"
#include "ui/file_dialogs.h"
#include "ui/printing.h"
#include "ui/stats/SpecificitiesWindow.h"
#include "ui/studied_files.h"

#include <QAbstractBarSeries>
#include <QAbstractItemModel>
#include <QAction>
#include <QBarSet>
#include <QChartView>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QVBarModelMapper>
#include <QXYSeries>

#include <functional>
#include <memory>
#include <vector>

using namespace quorvelle;
using test::child;

namespace {

// What a chart window shows: its class and caption, opening tab and "&Imprimer", its grid
// (headings first, cells joined by "|") and its bars as "label=value".
struct ChartSeen {
    QString windowClass;
    QString caption;
    int tab = -1;
    bool printEnabled = false;
    QStringList grid;
    QStringList bars;
};

// A chart window's values grid, headings first, cells joined by "|".
QStringList readGrid(const QWidget& chart)
{
    QStringList grid;
    const QAbstractItemModel* table = child<QTableView>(chart, "valuesGrid")->model();
    for (int row = -1; row < table->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column)
            cells
                << (row < 0 ? table->headerData(column, Qt::Horizontal) : table->index(row, column).data()).toString();
        grid << cells.join(QLatin1Char('|'));
    }
    return grid;
}

ChartSeen readChart(const QWidget& chart)
{
    ChartSeen seen{QString::fromLatin1(chart.metaObject()->className()).remove(QStringLiteral("quorvelle::ui::")),
                   chart.windowTitle(),
                   child<QTabWidget>(chart, "tabs")->currentIndex(),
                   child<QAction>(chart, "printAction")->isEnabled(),
                   {},
                   {}};
    seen.grid = readGrid(chart);
    auto* view = child<QChartView>(chart, "chartView");
    const QAbstractItemModel* bars = view->findChild<QVBarModelMapper*>()->model();
    const QBarSet* values = qobject_cast<QAbstractBarSeries*>(view->chart()->series().value(0))->barSets().value(0);
    for (int bar = 0; bar < bars->rowCount(); ++bar)
        seen.bars << bars->index(bar, 0).data(Qt::UserRole).toString() + QLatin1Char('=')
                + QString::number(values->at(bar));
    return seen;
}

// What the chart opened by a statistics window's chart item shows, modal or beside it.
ChartSeen chartOpenedBy(const QWidget& window, const char* item)
{
    ChartSeen seen;
    test::closeNextModalWindow([&seen](QWidget* chart) { seen = readChart(*chart); });
    child<QAction>(window, item)->trigger();
    return seen;
}

ChartSeen chartOpenedBeside(const QWidget& window, const char* item)
{
    ChartSeen seen;
    test::inspectWindowBeside([&window, item] { child<QAction>(window, item)->trigger(); },
                              [&seen](QWidget* chart) { seen = readChart(*chart); });
    return seen;
}

using OpenChart = std::function<ChartSeen()>;

// Opens the specificities of text1 against text2, then their chart.
OpenChart specificitiesChartOf(const QByteArray& text1, const QByteArray& text2)
{
    return [=] {
        const SharedText first = test::analysed(text1);
        const SharedText second = test::analysed(text2);
        const ui::SpecificitiesWindow window(first, second,
                                             SpecificitiesStatistic::report(AnalysedTexts(first, second)), nullptr);
        return chartOpenedBeside(window, "specificitiesChartAction");
    };
}

// Opens the window of a statistic over text, then its chart through item.
OpenChart chartOf(const char* statistic, QByteArray text, const char* item)
{
    return [=] { return chartOpenedBy(*test::openStatisticWindow(statistic, text), item); };
}

// The lengths of "chats chats les chat" in their default order: 5, 4 and 3 characters with
// 2, 1 and 1 forms.
const std::vector<LengthChartRow> lengths = {{2, 5}, {1, 4}, {1, 3}};

// The text of a PDF's pages first to last, as pdftotext lays them out.
QString pdfText(const QString& path, int first, int last)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(first), QStringLiteral("-l"),
                     QString::number(last), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished() || pdftotext.exitCode() != 0)
        qFatal("pdftotext failed on %s", qPrintable(path));
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

// The file that the save dialog of a chart's picture proposes, read from the dialog itself.
QString proposedImageFile(const QWidget& chart)
{
    QString proposed;
    test::closeNextModalWindow(
        [&proposed](QWidget* dialog) { proposed = qobject_cast<QFileDialog*>(dialog)->selectedFiles().value(0); });
    child<QAction>(chart, "saveImageAction")->trigger();
    return proposed;
}

int pdfPages(const QString& path)
{
    return static_cast<int>(pdfText(path, 1, 1000).count(QLatin1Char('\f')));
}

} // namespace

Q_DECLARE_METATYPE(OpenChart)

class tst_charts : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::setUpWindowTests(); }

    void charts_data()
    {
        QTest::addColumn<OpenChart>("open");
        QTest::addColumn<QString>("chart");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("grid");
        QTest::addColumn<QStringList>("bars");
        const QString edges = QStringLiteral(" Numéro | Caractères  | Nbre de formes   ");
        const QString negative = QStringLiteral(" Numéro | Fréquence d'attestation réelle  | Nbre de formes   ");
        // Lengths 5, 4 and 3 with 2, 1 and 1 forms: the grid in the window's order, the chart
        // reversed.
        QTest::newRow("lengths")
            << chartOf("lengths", "chats chats les chat", "lengthsChartAction") << "LengthsChart"
            << "Parvane Dorlesca - Composition des formes - statistiques formes/caractères (Graphique)" << 1
            << QStringList(
                   {" Nbre de caractère(s)  | Nbre de forme(s)  | Pourcentage (%)   ", "5|2|50", "4|1|25", "3|1|25"})
            << QStringList({"  3=1", "  4=1", "  5=2"});
        // A letter that begins no form is in the grid, not in the chart.
        QTest::newRow("starts") << chartOf("edges", "sel sol \xE9t\xE9", "startLettersChartAction")
                                << "StartLettersChart"
                                << "Parvane Dorlesca - Graphique début de mot" << 0
                                << QStringList({edges, "1|l|0", "2|s|2", "3|é|1"}) << QStringList({"s=2", "é=1"});
        QTest::newRow("ends") << chartOf("edges", "sel sol \xE9t\xE9", "endLettersChartAction") << "EndLettersChart"
                              << "Parvane Dorlesca - Graphique fin de mot" << 0
                              << QStringList({edges, "1|l|2", "2|s|0", "3|é|1"}) << QStringList({"l=2", "é=1"});
        // Mean frequency 2: the frequency 2 has a deviation of 0 and is in both charts.
        QTest::newRow("positive") << chartOf("frequencies", "a a b b c c c d", "positiveDeviationsChartAction")
                                  << "PositiveDeviationsChart"
                                  << "Parvane Dorlesca - Calcul des écarts positifs (graphique)" << 1
                                  << QStringList({" Numéro | Fréq. d'attestation réelle  | Nbre de formes   ", "1|3|1",
                                                  "2|2|2"})
                                  << QStringList({" 3=1", " 2=2"});
        QTest::newRow("negative") << chartOf("frequencies", "a a b b c c c d", "negativeDeviationsChartAction")
                                  << "NegativeDeviationsChart"
                                  << "Parvane Dorlesca - Calcul des écarts négatifs (graphique)" << 0
                                  << QStringList({negative, "1|2|2", "2|1|1"}) << QStringList({" 2=2", " 1=1"});
        QTest::newRow("slices") << chartOf("enrichment", QByteArray("le ").repeated(150), "enrichmentChartAction")
                                << "EnrichmentChart"
                                << "Parvane Dorlesca - Graphique -  L'enrichissement du vocabulaire" << 1
                                << QStringList(
                                       {" Numéro | N° tranche  | Nbre de nouvelles formes   ", "1|1|1", "2|2|0"})
                                << QStringList({" 1=1"});
        // Only the forms that reach the threshold, over-used in text 1 at the top, in text 2
        // at the bottom; "le", as frequent in both, is banal.
        QTest::newRow("specificities") << specificitiesChartOf(
            "mer le mer le mer le mer le mer le mer mer mer mer mer",
            "ciel le ciel le ciel le ciel le ciel le ciel ciel ciel ciel ciel")
                                       << "SpecificitiesChart"
                                       << "Parvane Dorlesca - Spécificités (graphique)" << 0
                                       << QStringList({" Numéro | Forme  | Spécificité   ", "1|mer|4", "2|ciel|-4"})
                                       << QStringList({"ciel=-4", "mer=4"});
        QTest::newRow("no form") << chartOf("frequencies", "12 !", "negativeDeviationsChartAction")
                                 << "NegativeDeviationsChart"
                                 << "Parvane Dorlesca - Calcul des écarts négatifs (graphique)" << 0
                                 << QStringList({negative}) << QStringList();
    }

    // Each chart window opens on its tab, "&Imprimer" enabled, its grid and bars from the rows
    // of the window that opens it.
    void charts()
    {
        QFETCH(OpenChart, open);
        const ChartSeen seen = open();
        QTEST(seen.windowClass, "chart");
        QTEST(seen.caption, "caption");
        QTEST(seen.tab, "tab");
        QVERIFY(seen.printEnabled);
        QTEST(seen.grid, "grid");
        QTEST(seen.bars, "bars");
    }

    // Zipf's law from the frequency window: the grid of ranks, one point per form on logarithmic
    // axes, the fitted line across the ranks and its equation (the fit itself is the core's).
    void zipfChart()
    {
        QStringList grid;
        QList<QPointF> points;
        QString title;
        const auto window = test::openStatisticWindow("frequencies", "b c a B a");
        const auto openZipf = [&window] { child<QAction>(*window, "zipfChartAction")->trigger(); };
        test::inspectWindowBeside(openZipf, [&](QWidget* chart) {
            grid = readGrid(*chart);
            const QChart* drawn = child<QChartView>(*chart, "chartView")->chart();
            points = qobject_cast<QXYSeries*>(drawn->series().value(0))->points();
            title = drawn->title();
            QCOMPARE(qobject_cast<QXYSeries*>(drawn->series().value(1))->count(), 2);
            QCOMPARE(drawn->axes(Qt::Horizontal).value(0)->type(), QAbstractAxis::AxisTypeLogValue);
        });
        QCOMPARE(grid, QStringList({" Rang | Forme  | Nombre d'attestations   ", "1|a|2", "2|b|2", "3|c|1"}));
        QCOMPARE(points, QList<QPointF>({{1, 2}, {2, 2}, {3, 1}}));
        QVERIFY2(title.contains(QStringLiteral("log10 f = 0,3467 − 0,563 × log10 r")), qPrintable(title));
    }

    // The charts of Zipf's law and of the specificities are titled after what they show and
    // the texts they show it for, on screen, in their pictures and on paper, their axis titles
    // whole; every chart's files are named after the chart and the texts.
    void titlesAndFileNames()
    {
        const QTemporaryDir directory;
        QWidget studying;
        ui::setStudiedFiles(&studying, {directory.filePath(QStringLiteral("verne.txt"))});
        ui::ZipfChart zipf(zipfReport("le chat et le chien"), &studying);
        zipf.show();
        QVERIFY(QTest::qWaitForWindowExposed(&zipf));
        const QString pdf = directory.filePath(QStringLiteral("zipf.pdf"));
        ui::setNextPrinterSetUp(pdf);
        child<QAction>(zipf, "printAction")->trigger();
        const QString printed = pdfText(pdf, 1, 1).simplified();
        QVERIFY2(printed.contains(QStringLiteral("Loi de Zipf — verne.txt"))
                     && printed.contains(QStringLiteral("Nombre d'attestations")),
                 qPrintable(printed));
        QCOMPARE(printed.count(QStringLiteral("(échelle logarithmique)")), 2); // on either axis, whole
        QCOMPARE(proposedImageFile(zipf), directory.filePath(QStringLiteral("verne-loi-de-zipf.png")));
        const QString png = directory.filePath(QStringLiteral("zipf.png"));
        ui::setNextChosenFile(png);
        child<QAction>(zipf, "saveImageAction")->trigger();
        QVERIFY(QImage(png).width() >= 1600);

        ui::setStudiedFiles(
            &studying,
            {directory.filePath(QStringLiteral("verne.txt")), directory.filePath(QStringLiteral("sand.txt"))});
        // The classic charts keep their one title, above the chart.
        const ui::StartLettersChart starts(std::span<const CountChartRow>(), &studying);
        QVERIFY(child<QChartView>(starts, "chartView")->chart()->title().isEmpty());
        QCOMPARE(proposedImageFile(starts),
                 directory.filePath(QStringLiteral("verne-sand-graphique-debut-de-mot.png")));
    }

    // Under the extended letter rule, a chart says so in its title and under the window's
    // heading, and its exported values begin with it; under the classic rule, nothing is said.
    void extendedLetterRuleIsSaid()
    {
        const QTemporaryDir directory;
        const QString note = QStringLiteral("œ, Œ, Ÿ, Š, Ž comptés comme des lettres");
        QWidget studying;
        ui::setStudiedLetters(&studying, LetterRule::Extended);
        const ui::ZipfChart zipf(zipfReport("le chat"), &studying);
        const QString title = child<QChartView>(zipf, "chartView")->chart()->title();
        QVERIFY2(title.contains(QStringLiteral("Loi de Zipf (%1)").arg(note)), qPrintable(title));
        QCOMPARE(child<QLabel>(zipf, "letterRuleLabel")->text(), note);
        const QString csv = directory.filePath(QStringLiteral("zipf.csv"));
        ui::setNextChosenFile(csv);
        child<QAction>(zipf, "exportAction")->trigger();
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith(QStringLiteral("\uFEFF(%1)\r\n\r\n").arg(note).toUtf8()));

        ui::setStudiedLetters(&studying, LetterRule::Classic);
        const ui::ZipfChart classic(zipfReport("le chat"), &studying);
        QVERIFY(!classic.findChild<QLabel*>(QStringLiteral("letterRuleLabel")));
        QVERIFY(!child<QChartView>(classic, "chartView")->chart()->title().contains(note));
    }

    // After a re-sort, the grid shows the window's new order and the chart its reverse.
    void chartFollowsTheWindowsOrder()
    {
        const auto window = test::openStatisticWindow("lengths", "chats chats les chat");
        window->show();
        QTest::mouseClick(child<QPushButton>(*window, "sortByLengthAscending"), Qt::LeftButton);
        const ChartSeen seen = chartOpenedBy(*window, "lengthsChartAction");
        QCOMPARE(seen.grid.mid(1), QStringList({"3|1|25", "4|1|25", "5|2|50"}));
        QCOMPARE(seen.bars, QStringList({"  5=2", "  4=1", "  3=1"}));
    }

    // The menu; leaving the chart disables "&Imprimer", coming back enables it.
    void menuAndTabs()
    {
        ui::LengthsChart chart(lengths, nullptr);
        QCOMPARE(test::menuTree(chart.findChild<QMenuBar*>()->actions()),
                 QStringLiteral("fileMenu=&Fichier[printAction=&Imprimer saveImageAction=Enregistrer l'i&mage... "
                                "exportAction=&Exporter... = quitAction=&Quitter]"));
        auto* tabs = child<QTabWidget>(chart, "tabs");
        QList<bool> enabled;
        for (const int tab : {0, 1, 0}) {
            tabs->setCurrentIndex(tab);
            enabled << child<QAction>(chart, "printAction")->isEnabled();
        }
        QCOMPARE(enabled, QList<bool>({true, false, true}));
    }

    // The chart prints on one page, or not at all after "Annuler"; it saves as PNG and SVG.
    void printAndSaveChart()
    {
        const QTemporaryDir directory;
        const QString pdf = directory.filePath(QStringLiteral("graphique.pdf"));
        ui::LengthsChart chart(lengths, nullptr);
        chart.show();
        ui::setNextPrinterSetUp(QString());
        child<QAction>(chart, "printAction")->trigger();
        QVERIFY(QDir(directory.path()).isEmpty());
        ui::setNextPrinterSetUp(pdf);
        child<QAction>(chart, "printAction")->trigger();
        for (const char* name : {"g.png", "g.svg"}) {
            ui::setNextChosenFile(directory.filePath(QString::fromLatin1(name)));
            child<QAction>(chart, "saveImageAction")->trigger();
        }
        QCOMPARE(pdfPages(pdf), 1);

        QVERIFY(pdfText(pdf, 1, 1).contains(QStringLiteral("Nbre de caractère(s)")));
        QVERIFY(!QImage(directory.filePath(QStringLiteral("g.png"))).isNull());
        QFile svg(directory.filePath(QStringLiteral("g.svg")));
        QVERIFY(svg.open(QIODevice::ReadOnly) && svg.readAll().contains("<svg"));
        QVERIFY(ui::MessageBox::takeShownMessages().isEmpty());
    }

    // "&Nuage de mots" of the vocabulary opens the cloud beside it, the 100 most frequent forms
    // but the function words; the grid lists the forms drawn. The number of forms and the box
    // draw it again, the function words back when it is unchecked. The picture keeps the forms
    // as text.
    void wordCloud()
    {
        // "le" 8 times, then 150 forms of 1 to 5 attestations ("zaa" 1, "zab" 2...).
        QByteArray text = QByteArray("le ").repeated(8);
        for (int form = 0; form < 150; ++form)
            text += (QByteArray("z") + char('a' + form / 26) + char('a' + form % 26) + ' ').repeated(form % 5 + 1);
        const QTemporaryDir directory;
        const auto window = test::openStatisticWindow("vocabulary", text);
        const auto openCloud = [&window] { child<QAction>(*window, "wordCloudAction")->trigger(); };
        test::inspectWindowBeside(openCloud, [&directory](QWidget* chart) {
            QCOMPARE(chart->windowTitle(), QStringLiteral("Parvane Dorlesca - Nuage de mots"));
            auto* cloud = child<ui::WordCloudView>(*chart, "chartView");
            QStringList grid = readGrid(*chart);
            QCOMPARE(cloud->shownForms().size(), 100);
            QCOMPARE(grid.size(), 101);
            QCOMPARE(grid.mid(0, 2),
                     QStringList({" Forme  | Nombre d'attestations   | Taille (points)   ", "zae|5|48"}));
            QCOMPARE(grid.back(), QStringLiteral("zbu|2|10"));
            QVERIFY(!cloud->shownForms().contains(QStringLiteral("le")));
            QVERIFY2(cloud->accessibleDescription().startsWith(QStringLiteral("100 forme(s), de la plus grande à la "
                                                                              "plus petite : zae, zaj, zao")),
                     qPrintable(cloud->accessibleDescription()));

            child<QSpinBox>(*chart, "formCountBox")->setValue(20);
            QCOMPARE(cloud->shownForms().size(), 20);
            QCOMPARE(readGrid(*chart).size(), 21);
            child<QCheckBox>(*chart, "withoutFunctionWordsBox")->setChecked(false);
            QCOMPARE(cloud->shownForms().mid(0, 2), QStringList({"le", "zae"}));
            QCOMPARE(readGrid(*chart).value(1), QStringLiteral("le|8|48"));

            const QString svg = directory.filePath(QStringLiteral("nuage.svg"));
            ui::setNextChosenFile(svg);
            child<QAction>(*chart, "saveImageAction")->trigger();
            QFile file(svg);
            QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll().contains(">zae<"));
        });
    }

    // The specificities' cloud: the forms over-used in text 1 that reach the threshold, sized by
    // their specificity; "ciel", over-used in text 2, is not in it.
    void specificitiesWordCloud()
    {
        const SharedText first = test::analysed("mer le mer le mer le mer le mer le mer mer mer mer mer");
        const SharedText second = test::analysed("ciel le ciel le ciel le ciel le ciel le ciel ciel ciel ciel ciel");
        const ui::SpecificitiesWindow window(first, second,
                                             SpecificitiesStatistic::report(AnalysedTexts(first, second)), nullptr);
        QStringList grid;
        test::inspectWindowBeside([&window] { child<QAction>(window, "wordCloudAction")->trigger(); },
                                  [&grid](QWidget* chart) { grid = readGrid(*chart); });
        QCOMPARE(grid, QStringList({" Forme  | Spécificité   | Taille (points)   ", "mer|4|48"}));
    }

    // The vocabulary prints the grid as it is ordered, under its header, page after page of
    // the layout (how many rows a page holds is the core's): 68 forms take two pages.
    void printVocabulary()
    {
        QByteArray text = "zz zz"; // the last of 68 forms alphabetically, the first by frequency
        for (int form = 0; form < 67; ++form)
            text += QByteArray(" ") + char('a' + form / 26) + char('a' + form % 26);
        const QTemporaryDir directory;
        const QString alphabetical = directory.filePath(QStringLiteral("a.pdf"));
        const QString byFrequency = directory.filePath(QStringLiteral("f.pdf"));
        const auto window = test::openStatisticWindow("vocabulary", text);
        auto* print = child<QAction>(*window, "printAction");
        ui::setNextPrinterSetUp(alphabetical);
        print->trigger();
        QTest::mouseClick(child<QPushButton>(*window, "switchOrderButton"), Qt::LeftButton);
        ui::setNextPrinterSetUp(byFrequency);
        print->trigger();

        QCOMPARE(pdfPages(alphabetical), 2);
        const QStringList first = pdfText(alphabetical, 1, 1).trimmed().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(first.value(0).simplified(), QStringLiteral("Formes Nombre d'attestations"));
        QCOMPARE(first.value(2).simplified(), QStringLiteral("aa 1"));
        QCOMPARE(pdfText(alphabetical, 2, 2).simplified(), QStringLiteral("zz 2"));
        QCOMPARE(pdfText(byFrequency, 1, 1).split(QLatin1Char('\n')).value(2).simplified(), QStringLiteral("zz 2"));
    }
};

QTEST_MAIN(tst_charts)
#include "tst_charts.moc"
