// The vocabulary list window on the examples of its behaviour.
#include "tests/ui/ui_test_support.h"
#include "ui/function_words_setting.h"
#include "ui/stats/FunctionWordsDialog.h"
#include "ui/stats/VocabularyWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
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

} // namespace

class tst_VocabularyWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::setUpWindowTests(); }

    // The grid in alphabetical order, and the button that switches to decreasing frequencies
    // and back, its caption naming the other order. (The totals show in the frequencies
    // window's tests, through the same frame.)
    void bothOrders()
    {
        const auto window = test::openWindowOf<VocabularyStatistic>("Le chat, le Chien.");
        const QStringList alphabetical{"chat 1", "chien 1", "le 2"};
        QCOMPARE(gridRows(grid(*window)), alphabetical);
        QCOMPARE(button(*window)->text(), QStringLiteral("Tri par fréquences décroissantes"));
        QTest::mouseClick(button(*window), Qt::LeftButton);
        QCOMPARE(gridRows(grid(*window)), QStringList({"le 2", "chat 1", "chien 1"}));
        QCOMPARE(button(*window)->text(), QStringLiteral("Tri alphabétique"));
        QTest::mouseClick(button(*window), Qt::LeftButton);
        QCOMPARE(gridRows(grid(*window)), alphabetical);
        QCOMPARE(button(*window)->text(), QStringLiteral("Tri par fréquences décroissantes"));
    }

    // The filter bar: the rows narrow letter by letter, the count says how many out of how many, a
    // malformed pattern is said and keeps the rows, Échap clears the filter, Ctrl+C copies the rows
    // shown. « Sans les mots-outils » leaves out the user's list, the new one as soon as the dialog saves it.
    void filterAndFunctionWords()
    {
        // The settings outlive a run: each run starts from the program's list and leaves it.
        ui::saveFunctionWordLines(ui::frenchFunctionWordLines());
        const auto restoreList = qScopeGuard([] { ui::saveFunctionWordLines(ui::frenchFunctionWordLines()); });
        const auto window = test::openWindowOf<VocabularyStatistic>("Le chat, le chien, la chatte et la mer.");
        auto* filterBox = test::child<QLineEdit>(*window, "filterBox");
        const auto count = [&window] { return test::child<QLabel>(*window, "rowCountLabel")->text(); };
        QCOMPARE(count(), QStringLiteral("7 lignes"));
        QTest::keyClicks(filterBox, QStringLiteral("cha"));
        QCOMPARE(gridRows(grid(*window)), QStringList({"chat 1", "chatte 1"}));
        QCOMPARE(count(), QStringLiteral("2 lignes sur 7"));
        QTest::keyClicks(filterBox, QStringLiteral("["));
        QVERIFY2(count().contains(QStringLiteral("crochet")), qPrintable(count()));
        QCOMPARE(gridRows(grid(*window)).size(), 2);
        grid(*window)->selectAll();
        test::child<QAction>(*grid(*window), "copyRowsAction")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("Formes\tNombre d'attestations\r\nchat\t1\r\nchatte\t1\r\n"));
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        filterBox->setFocus();
        QTest::keyClick(filterBox, Qt::Key_Escape);
        QVERIFY(filterBox->text().isEmpty());
        QCOMPARE(count(), QStringLiteral("7 lignes"));
        QVERIFY(window->isVisible()); // Échap cleared the box, and did not close the window

        auto* functionWordsCheck = test::child<QCheckBox>(*window, "functionWordsCheck");
        functionWordsCheck->setChecked(true);
        QCOMPARE(gridRows(grid(*window)), QStringList({"chat 1", "chatte 1", "chien 1", "mer 1"}));
        test::closeNextModalWindow([](QWidget* dialog) {
            test::child<QPlainTextEdit>(*dialog, "wordListBox")->setPlainText(QStringLiteral("# à moi\nChat\nmer"));
            QCOMPARE(test::child<QLabel>(*dialog, "wordCountLabel")->text(), QStringLiteral("2 formes"));
            static_cast<QDialog*>(dialog)->accept();
        });
        ui::FunctionWordsDialog::edit(window.get());
        QCOMPARE(gridRows(grid(*window)), QStringList({"chatte 1", "chien 1", "et 1", "la 2", "le 2"}));
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
        const auto showInContext = [&window] { test::child<QAction>(window, "inContextAction")->trigger(); };
        test::inspectWindowBeside(showInContext, [&](QWidget* concordance) {
            caption << concordance->windowTitle() << test::child<QLabel>(*concordance, "occurrenceCountLabel")->text();
            auto* occurrences = test::child<QTableView>(*concordance, "concordanceGrid");
            test::pickEntry(test::child<QComboBox>(*concordance, "firstSortKeyBox"),
                            QStringLiteral("1re forme à droite"));
            rows = gridRows(occurrences);
            occurrences->selectRow(0);
            test::child<QAction>(*concordance, "copyAction")->trigger();
            copiedRow = QGuiApplication::clipboard()->text();
            occurrences->selectAll();
            occurrences->setFocus();
            // Shortcuts reach only the active window, which a loaded machine may not have made
            // it yet.
            QVERIFY(QTest::qWaitForWindowActive(concordance));
            QTest::keySequence(occurrences, QKeySequence::Copy);
        });
        QCOMPARE(caption, QStringList({"Parvane Dorlesca - Concordance de « le »", "3 occurrences"}));
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
