// The lemmas window: the categories shown, the orders of the lemmas, a lemma's forms and
// occurrences, and the chart of the profile.
#include "core/statistics/lemmas_statistic.h"
#include "tests/ui/ui_test_support.h"
#include "ui/main/statistic_windows.h"

#include <QAbstractBarSeries>
#include <QAction>
#include <QBarSet>
#include <QChartView>
#include <QCheckBox>
#include <QHeaderView>
#include <QTableView>
#include <QTest>

using namespace quorvelle;
using test::child;

namespace {

// « est » read as être, a verb then an auxiliary, and as a noun; manger under three forms.
const char* const text = "Il est là, il est venu. Nous mangeons, il mangeait, elle a mangé à l'est du pays.";

} // namespace

class tst_LemmasWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::setUpWindowTests(); }

    void categoriesAndOrders()
    {
        const auto window = test::openWindowOf<LemmasStatistic>(test::cp1252(text));
        window->show();
        const QStringList byAttestations = test::listRows(*window, {"lemmaGrid"});
        QCOMPARE(byAttestations.mid(0, 3), QStringList({"il", "manger", "à"}));
        QCOMPARE(test::labelTexts(*window, {"wordCountValue", "shownCountValue"}),
                 QStringLiteral("18|%1").arg(byAttestations.size()));
        // The first lemma is current: its forms are listed.
        QCOMPARE(test::listRows(*window, {"lemmaFormGrid"}), QStringList({"il"}));

        // Only the verbes: manger, then être as a verb (« il est là »).
        for (const char* category :
             {"nounCheck", "auxiliaryCheck", "adverbCheck", "determinerCheck", "pronounCheck", "prepositionCheck"})
            child<QCheckBox>(*window, category)->setChecked(false);
        QCOMPARE(test::listRows(*window, {"lemmaGrid"}), QStringList({"manger", "être", "venir"}));
        QCOMPARE(test::labelTexts(*window, {"shownCountValue"}), QStringLiteral("3"));
        QCOMPARE(test::listRows(*window, {"lemmaFormGrid"}), QStringList({"mangé", "mangeait", "mangeons"}));
        // The lemma heading orders them alphabetically; clicked again, the other way round.
        QHeaderView* header = child<QTableView>(*window, "lemmaGrid")->horizontalHeader();
        header->setSortIndicator(0, Qt::AscendingOrder);
        QCOMPARE(test::listRows(*window, {"lemmaGrid"}), QStringList({"être", "manger", "venir"}));
        header->setSortIndicator(0, Qt::DescendingOrder);
        QCOMPARE(test::listRows(*window, {"lemmaGrid"}), QStringList({"venir", "manger", "être"}));
        child<QCheckBox>(*window, "verbCheck")->setChecked(false);
        QVERIFY(test::listRows(*window, {"lemmaGrid"}).isEmpty());
        QVERIFY(test::listRows(*window, {"lemmaFormGrid"}).isEmpty());
    }

    // Enter on a lemma shows its occurrences, and those only: « est » of être, not « l'est ».
    void lemmaInContext()
    {
        const auto window = test::openWindowOf<LemmasStatistic>(test::cp1252(text));
        window->show();
        for (const char* category : {"pronounCheck", "auxiliaryCheck"})
            child<QCheckBox>(*window, category)->setChecked(false);
        auto* grid = child<QTableView>(*window, "lemmaGrid");
        const auto etre = static_cast<int>(test::listRows(*window, {"lemmaGrid"}).indexOf(QStringLiteral("être")));
        QVERIFY(etre >= 0);
        grid->setCurrentIndex(grid->model()->index(etre, 0));
        test::inspectWindowBeside(
            [grid] { QTest::keyClick(grid, Qt::Key_Return); },
            [](QWidget* concordance) {
                QCOMPARE(concordance->windowTitle(),
                         QStringLiteral("Parvane Dorlesca - Concordance du lemme « être (verbe) »"));
                QCOMPARE(test::labelTexts(*concordance, {"occurrenceCountLabel"}), QStringLiteral("1 occurrence"));
                QVERIFY(!child<QWidget>(*concordance, "showCollocatesButton")->isEnabled());
            });
    }

    // The profile: each category's attestations, lemmas and share, charted as bars.
    void categoryProfile()
    {
        const auto window = test::openWindowOf<LemmasStatistic>(test::cp1252(text));
        const QStringList profile = test::listRows(*window, {"categoryGrid"});
        QCOMPARE(profile.size(), static_cast<qsizetype>(allWordCategories.size()));
        QCOMPARE(child<QTableView>(*window, "categoryGrid")->model()->index(2, 3).data().toString(),
                 QStringLiteral("27,78")); // 5 verbs of 18 words
        test::closeNextModalWindow([](QWidget* chart) {
            const auto* bars =
                qobject_cast<QAbstractBarSeries*>(chart->findChild<QChartView*>()->chart()->series().value(0));
            QVERIFY(bars);
            QCOMPARE(bars->barSets().value(0)->count(), 7); // the categories the text has
        });
        child<QAction>(*window, "categoryChartAction")->trigger();
    }
};

QTEST_MAIN(tst_LemmasWindow)
#include "tst_LemmasWindow.moc"
