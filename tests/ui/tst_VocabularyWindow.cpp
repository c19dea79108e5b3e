// The vocabulary list window on the examples of its behaviour.
#include "tests/ui/ui_test_support.h"
#include "ui/stats/VocabularyTotals.h"
#include "ui/stats/VocabularyWindow.h"

#include <QAction>
#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace quorvelle;

namespace {

QStringList gridRows(const QTableView* grid)
{
    const QAbstractItemModel* model = grid->model();
    QStringList rows;
    for (int row = 0; row < model->rowCount(); ++row)
        rows << model->index(row, 0).data().toString() + QLatin1Char(' ') + model->index(row, 1).data().toString();
    return rows;
}

// N, D and the mean frequency as the totals frame shows them: its value column, top to bottom.
QStringList shownTotals(const QWidget& window)
{
    const auto* grid = qobject_cast<const QGridLayout*>(window.findChild<ui::VocabularyTotals*>()->layout());
    QStringList values;
    for (int row = 0; row < grid->rowCount(); ++row)
        values << qobject_cast<const QLabel*>(grid->itemAtPosition(row, 1)->widget())->text();
    return values;
}

} // namespace

class tst_VocabularyWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::setUpWindowTests(); }

    void totalsAndBothOrders_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("totals");
        QTest::addColumn<QStringList>("alphabetical");
        QTest::addColumn<QStringList>("byFrequency");
        QTest::newRow("Le chat, le Chien.")
            << QByteArray("Le chat, le Chien.") << QStringList({"4", "3", "1,3"})
            << QStringList({"chat 1", "chien 1", "le 2"}) << QStringList({"le 2", "chat 1", "chien 1"});
        QTest::newRow("N = 0") << QByteArray("12 ; 3,4 !\r\n") << QStringList({"0", "0", ""}) << QStringList()
                               << QStringList();
    }

    void totalsAndBothOrders()
    {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, totals);
        QFETCH(QStringList, alphabetical);
        QFETCH(QStringList, byFrequency);

        const auto shown = test::openWindowOf<VocabularyStatistic>(text);
        ui::VocabularyWindow& window = *shown;
        QCOMPARE(shownTotals(window), totals);
        QCOMPARE(gridRows(grid(window)), alphabetical);

        QCOMPARE(button(window)->text(), QStringLiteral("Tri par fréquences décroissantes"));
        QTest::mouseClick(button(window), Qt::LeftButton);
        QCOMPARE(gridRows(grid(window)), byFrequency);
        QCOMPARE(shownTotals(window), totals);
        QCOMPARE(button(window)->text(), QStringLiteral("Tri alphabétique"));
        QTest::mouseClick(button(window), Qt::LeftButton);
        QCOMPARE(gridRows(grid(window)), alphabetical);
        QCOMPARE(button(window)->text(), QStringLiteral("Tri par fréquences décroissantes"));
    }

    void gridHeadersAndCells()
    {
        const auto shown = test::openWindowOf<VocabularyStatistic>("le le chat");
        ui::VocabularyWindow& window = *shown;
        const QAbstractItemModel* model = grid(window)->model();
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Formes"));
        QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Nombre d'attestations"));
        QVERIFY(model->headerData(1, Qt::Horizontal, Qt::FontRole).value<QFont>().bold());
        QVERIFY(Qt::Alignment(model->index(0, 1).data(Qt::TextAlignmentRole).toInt()) & Qt::AlignRight);

        // The counts column is at least 2000 twips wide.
        QVERIFY(grid(window)->columnWidth(1) >= 2000 * window.logicalDpiX() / 1440);
    }

    // A form of the grid in context: its occurrences as written, in the text's order, then by
    // the form after them; "Copier" puts the selected rows on the clipboard, tab-separated, and
    // Ctrl+C in the grid all of them under their headings.
    void formInContext()
    {
        const auto shown = test::openWindowOf<VocabularyStatistic>(test::cp1252("Le chat. Et le bébé,\r\nle chien"));
        ui::VocabularyWindow& window = *shown;
        grid(window)->setCurrentIndex(grid(window)->model()->index(4, 0)); // bébé chat chien et le
        QStringList caption;
        QStringList rows;
        QString copiedRow;
        test::closeNextModalWindow([&](QWidget* concordance) {
            caption << concordance->windowTitle() << test::child<QLabel>(*concordance, "occurrenceCountLabel")->text();
            auto* occurrences = test::child<QTableView>(*concordance, "concordanceGrid");
            QTest::mouseClick(test::child<QPushButton>(*concordance, "sortByRightFormButton"), Qt::LeftButton);
            rows = gridRows(occurrences);
            occurrences->selectRow(0);
            test::child<QAction>(*concordance, "copyAction")->trigger();
            copiedRow = QGuiApplication::clipboard()->text();
            occurrences->selectAll();
            occurrences->setFocus();
            QTest::keySequence(occurrences, QKeySequence::Copy);
        });
        test::child<QAction>(window, "inContextAction")->trigger();
        QCOMPARE(caption, QStringList({"Parvane Dorlesca - Concordance de « le »", "3 occurrence(s)"}));
        QCOMPARE(rows, QStringList({"1 Le chat. Et ", "1 ", "2 Le chat. Et le bébé,¶"}));
        QCOMPARE(copiedRow, QStringLiteral("1\tLe chat. Et \tle\t bébé,¶le chien\r\n"));
        QCOMPARE(QGuiApplication::clipboard()->text().split(QStringLiteral("\r\n")),
                 QStringList({"Ligne\tContexte gauche\tForme\tContexte droit", "1\tLe chat. Et \tle\t bébé,¶le chien",
                              "1\t\tLe\t chat. Et le bébé,¶le chien", "2\tLe chat. Et le bébé,¶\tle\t chien", ""}));
    }

private:
    static QTableView* grid(const QWidget& window) { return test::child<QTableView>(window, "vocabularyGrid"); }

    static QPushButton* button(const QWidget& window) { return test::child<QPushButton>(window, "switchOrderButton"); }
};

QTEST_MAIN(tst_VocabularyWindow)
#include "tst_VocabularyWindow.moc"
