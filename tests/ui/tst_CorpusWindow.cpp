// The corpus window: its partitions, a part's specific forms at the chosen threshold, a form
// through the parts, and the factors of the forms kept.
#include "core/corpus/corpus.h"
#include "tests/ui/ui_test_support.h"
#include "ui/MessageBox.h"
#include "ui/charts/FactorMapView.h"
#include "ui/charts/WordCloudView.h"
#include "ui/stats/CorpusWindow.h"

#include <QAction>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace quorvelle;
using test::child;

namespace {

// Three parts, two of one author; "mer" belongs to the first, "ciel" to the second.
std::shared_ptr<const Corpus> threeParts()
{
    return std::make_shared<const Corpus>(markedCorpus("**** *auteur_a\nmer le mer le mer le mer la mer la mer vent\n"
                                                      "**** *auteur_b\nciel le ciel le ciel la ciel la ciel le vent\n"
                                                      "**** *x_y\nle la le la vent mer ciel\n"));
}

// What the window shows on opening: each part on its own, the forms of 10 attestations or more.
ui::CorpusWindow::PartitionAnalysis firstLook(const Corpus& corpus)
{
    return ui::CorpusWindow::analyse(corpus, std::nullopt, LetterRule::Classic, CountingUnit::Forms,
                                     defaultAnalysisMinFrequency);
}

} // namespace

class tst_CorpusWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::setUpWindowTests(); }

    void partitionsAndSpecificForms()
    {
        const auto corpus = threeParts();
        ui::CorpusWindow window(corpus, LetterRule::Classic, firstLook(*corpus), nullptr);
        window.show();
        const auto rows = [&window](const char* grid) { return test::listRows(window, {grid}); };
        QCOMPARE(rows("partGrid"), QStringList({"auteur_a", "auteur_b", "x_y"}));
        QCOMPARE(test::labelTexts(window, {"corpusTokensValue", "corpusDistinctValue"}), QStringLiteral("30|5"));
        QCOMPARE(rows("specificFormGrid"), QStringList({"mer"}));
        test::pickEntry(child<QComboBox>(window, "thresholdBox"), QStringLiteral("1"));
        QCOMPARE(rows("specificFormGrid"), QStringList({"mer", "ciel"}));
        test::pickEntry(child<QComboBox>(window, "partBox"), QStringLiteral("auteur_b"));
        QCOMPARE(rows("specificFormGrid").value(0), QStringLiteral("ciel"));
        // The chosen part's cloud: its most frequent forms, the function words aside.
        test::inspectWindowBeside(
            [&window] { child<QAction>(window, "partCloudAction")->trigger(); },
            [](QWidget* chart) {
                auto* cloud = child<ui::WordCloudView>(*chart, "chartView");
                QCOMPARE(cloud->shownForms(), QStringList({"ciel", "vent"}));
                QVERIFY(cloud->chart()->title().contains(QStringLiteral("Nuage de mots de « auteur_b »")));
            });

        auto* forms = child<QTableView>(window, "specificFormGrid");
        forms->setCurrentIndex(forms->model()->index(0, 0));
        QTest::keyClick(forms, Qt::Key_Return);
        QCOMPARE(test::labelTexts(window, {"progressionLabel"}), QStringLiteral("« ciel » : 6 attestations dans le corpus"));
        // Its attestations and frequency in each part, then those of a form typed beside it.
        auto* followed = child<QLineEdit>(window, "progressionFormsBox");
        followed->setText(followed->text() + QStringLiteral(" MER"));
        QTest::keyClick(followed, Qt::Key_Return);
        auto* progression = child<QTableView>(window, "progressionGrid");
        QStringList cells;
        for (int row = 0; row < progression->model()->rowCount(); ++row)
            cells << progression->model()->index(row, 2).data().toString() + QLatin1Char('|')
                    + progression->model()->index(row, 4).data().toString();
        QCOMPARE(cells, QStringList({"0|0", "5|4545,45", "1|1428,57", "6|5000", "0|0", "1|1428,57"}));
        // A row shows its form in context in its part.
        progression->setCurrentIndex(progression->model()->index(5, 0));
        test::inspectWindowBeside([progression] { QTest::keyClick(progression, Qt::Key_Return); },
                                  [](QWidget* concordance) {
                                      QCOMPARE(test::labelTexts(*concordance, {"occurrenceCountLabel"}),
                                               QStringLiteral("1 occurrence"));
                                  });
        test::inspectWindowBeside([&window] { child<QAction>(window, "progressionChartAction")->trigger(); },
                                  [](QWidget* chart) {
                                      QCOMPARE(test::listRows(*chart, {"valuesGrid"}).size(), 6);
                                      const auto* bars = qobject_cast<QBarSeries*>(
                                          chart->findChild<QChartView*>()->chart()->series().value(0));
                                      QVERIFY(bars);
                                      QCOMPARE(bars->count(), 2);
                                      QCOMPARE(bars->barSets().at(1)->label(), QStringLiteral("mer"));
                                  });

        test::pickEntry(child<QComboBox>(window, "partitionBox"), QStringLiteral("auteur"));
        QCOMPARE(rows("partGrid"), QStringList({"a", "b", "(sans valeur)"}));
        QCOMPARE(child<QComboBox>(window, "partBox")->count(), 3);
    }

    void factors()
    {
        const auto corpus = threeParts();
        ui::CorpusWindow window(corpus, LetterRule::Classic, firstLook(*corpus), nullptr);
        window.show();
        auto* minFrequency = child<QSpinBox>(window, "minFrequencyBox");
        const auto apply = [minFrequency](int value) {
            minFrequency->setValue(value);
            emit minFrequency->editingFinished();
        };
        QCOMPARE(test::labelTexts(window, {"analysisNote"}),
                 QStringLiteral("Aucun facteur : il faut au moins deux parties et deux formes retenues, qui ne se "
                                "répartissent pas de la même façon dans toutes les parties. Abaissez le nombre "
                                "d'attestations, ou choisissez une autre partition."));
        apply(3);
        QCOMPARE(test::labelTexts(window, {"analysisNote"}),
                 QStringLiteral("5 formes d'au moins 3 attestations, 2 facteurs."));
        QCOMPARE(test::listRows(window, {"factorGrid"}).size(), 2);
        // A name and a mass, then a coordinate, a contribution and a squared cosine per factor.
        const QAbstractItemModel* forms = child<QTableView>(window, "formPointGrid")->model();
        QCOMPARE(forms->columnCount(), 8);
        QCOMPARE(forms->headerData(3, Qt::Horizontal).toString().trimmed(), QStringLiteral("Contribution F1 (%)"));
        QCOMPARE(test::listRows(window, {"formPointGrid"}).value(0).section(QLatin1Char('|'), 0, 0), QStringLiteral("ciel"));
        // The map of F2 × F1, a part's label never left out.
        child<QComboBox>(window, "horizontalFactorBox")->setCurrentIndex(1);
        child<QComboBox>(window, "verticalFactorBox")->setCurrentIndex(0);
        test::inspectWindowBeside([&window] { child<QAction>(window, "factorMapAction")->trigger(); },
                                  [](QWidget* map) {
                                      QCOMPARE(map->windowTitle(), QStringLiteral("Parvane Dorlesca - Carte factorielle"));
                                      QCOMPARE(test::listRows(*map, {"valuesGrid"}).mid(0, 3),
                                               QStringList({"auteur_a", "auteur_b", "x_y"}));
                                      const QStringList labels = map->findChild<ui::FactorMapView*>()->shownLabels();
                                      QVERIFY(labels.contains(QStringLiteral("x_y")));
                                  });
        apply(7);
        QCOMPARE(test::labelTexts(window, {"analysisNote"}),
                 QStringLiteral("2 formes d'au moins 7 attestations, 1 facteur."));
        QVERIFY(!child<QAction>(window, "factorMapAction")->isEnabled());
    }

    // The parts' lemmas in place of their forms; without the dictionary, the window stays on the
    // forms (the first use of the dictionary in this run, before it is loaded).
    void lemmasAsUnit()
    {
        const auto corpus = std::make_shared<const Corpus>(
            joinedCorpus({{"manger", "Je mange, tu manges, il mangeait, nous mangerons."},
                          {"boire", "Je bois, tu bois, il buvait, nous boirons."}}));
        ui::CorpusWindow window(corpus, LetterRule::Classic, firstLook(*corpus), nullptr);
        window.show();
        auto* unit = child<QComboBox>(window, "unitBox");
        QTemporaryDir empty;
        qputenv("QUORVELLE_DICTIONARY_DIR", empty.path().toLocal8Bit());
        unit->setCurrentIndex(unit->findText(QStringLiteral("lemmes")));
        qunsetenv("QUORVELLE_DICTIONARY_DIR");
        QVERIFY(
            ui::MessageBox::takeShownMessages().value(0).text.contains(QStringLiteral("hunspell-fr-comprehensive")));
        QCOMPARE(unit->currentText(), QStringLiteral("formes"));
        QCOMPARE(test::labelTexts(window, {"corpusDistinctValue"}), QStringLiteral("11"));

        test::pickEntry(unit, QStringLiteral("lemmes"));
        QCOMPARE(test::labelTexts(window, {"corpusDistinctValue"}), QStringLiteral("6")); // je tu il nous manger boire
        auto* followed = child<QLineEdit>(window, "progressionFormsBox");
        followed->setText(QStringLiteral("Manger"));
        QTest::keyClick(followed, Qt::Key_Return);
        QCOMPARE(test::labelTexts(window, {"progressionLabel"}),
                 QStringLiteral("« manger » : 4 attestations dans le corpus"));
        // The lemma in context in its part, whatever its form.
        auto* progression = child<QTableView>(window, "progressionGrid");
        progression->setCurrentIndex(progression->model()->index(0, 0));
        test::inspectWindowBeside([progression] { QTest::keyClick(progression, Qt::Key_Return); },
                                  [](QWidget* concordance) {
                                      QCOMPARE(test::labelTexts(*concordance, {"occurrenceCountLabel"}),
                                               QStringLiteral("4 occurrences"));
                                  });
    }
};

QTEST_MAIN(tst_CorpusWindow)
#include "tst_CorpusWindow.moc"
