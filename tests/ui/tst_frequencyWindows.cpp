// The frequency, co-occurrence, sentence and enrichment windows on their worked examples:
// totals, rows, the selection on opening, the result box after a click, the lists that drive
// or follow, the texts that leave them empty.
#include "tests/ui/ui_test_support.h"

#include "ui/PlainTextBox.h"
#include "ui/file_dialogs.h"
#include "ui/stats/FrequenciesWindow.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QListView>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace quorvelle;
using test::resultBox;

class tst_frequencyWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::setUpWindowTests(); }

    void frequencies_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("totals");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("firstRowForms");
        QTest::addColumn<QString>("lastRowForms");
        QTest::newRow("le chat et le chien")
            << QByteArray("le chat et le chien") << "5|4|1,2" << QStringList({"2|1|0,8", "1|3|-0,2"}) << "le\r\n"
            << "chat\r\nchien\r\net\r\n";
        QTest::newRow("every form once") << QByteArray("Le chat dort") << "3|3|1" << QStringList({"1|3|0"})
                                         << "chat\r\ndort\r\nle\r\n"
                                         << "chat\r\ndort\r\nle\r\n";
        QTest::newRow("no form") << QByteArray("12 !") << "0|0|" << QStringList() << ""
                                 << "";
    }

    // FrequenciesWindow: the first row selected and listed on opening.
    void frequencies()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, totals);
        QFETCH(QStringList, rows);
        QFETCH(QString, firstRowForms);
        QFETCH(QString, lastRowForms);
        const QStringList lists = {"frequencyList", "formCountList", "deviationList"};
        const auto window = test::openStatisticWindow("frequencies", text);
        window->show();
        QCOMPARE(test::labelTexts(*window, {"totalFormsValue", "distinctFormsValue", "meanFrequencyValue"}), totals);
        QCOMPARE(test::listRows(*window, lists), rows);
        QCOMPARE(test::selectedRows(*window, lists), QList<int>(3, rows.isEmpty() ? -1 : 0));
        QCOMPARE(resultBox(*window), firstRowForms);
        if (rows.isEmpty())
            return;
        const int last = static_cast<int>(rows.size()) - 1;
        test::clickRow(*window, QStringLiteral("frequencyList"), last);
        QCOMPARE(resultBox(*window), lastRowForms);
        test::clickRow(*window, QStringLiteral("deviationList"), 0);
        QCOMPARE(test::selectedRows(*window, lists), QList<int>(3, last));
        QCOMPARE(resultBox(*window), lastRowForms);
    }

    // A double-click on a form of a result box shows it in context.
    void formOfAResultBoxInContext()
    {
        const std::string text = "Le chat et le chien";
        ui::FrequenciesWindow window(text, nullptr);
        window.show();
        QCOMPARE(test::concordanceOfFirstLine(window),
                 QStringLiteral("Parvane Dorlesca - Concordance de « le »|2 occurrence(s)"));
    }

    // "Exporter..." saves the rows as the window shows them, as CSV for French spreadsheets;
    // "Copier les lignes" in a list copies the whole row of the table, tab-separated.
    void exportAndCopyRows()
    {
        const QTemporaryDir directory;
        const QString path = directory.filePath(QStringLiteral("f.csv"));
        const auto window = test::openStatisticWindow("frequencies", "le chat et le chien");
        ui::setNextChosenFile(path);
        test::child<QAction>(*window, "exportAction")->trigger();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(),
                 QByteArray("\xEF\xBB\xBF"
                            "Fréq. d' attestation réelle;Nombre de forme(s);"
                            "Ecarts positifs ou négatifs\r\n2;1;0,8\r\n1;3;-0,2\r\n"));
        window->show();
        test::clickRow(*window, QStringLiteral("frequencyList"), 1);
        test::child<QAction>(*test::child<QListView>(*window, "frequencyList"), "copyRowsAction")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1\t3\t-0,2\r\n"));
    }

    // RichnessWindow: the counts, then each measure's value under the French separator, rounded
    // to four significant digits, "—" where the text cannot define it.
    void richness()
    {
        const auto window = test::openStatisticWindow("richness", "Le chat et le chien");
        QCOMPARE(test::labelTexts(*window, {"tokenCountLabel", "distinctCountLabel", "hapaxCountLabel"}),
                 QStringLiteral("5|4|3"));
        const QAbstractItemModel* measures = test::child<QTableView>(*window, "measuresGrid")->model();
        QStringList values;
        for (int row = 0; row < measures->rowCount(); ++row)
            values << measures->index(row, 1).data().toString();
        QCOMPARE(values, QStringList({"0,8", "1,789", "0,8614", "800", "0,1", "643,8", "0,75", "0,6", "—", "—"}));
    }

    // CooccurrencesWindow: the pairs of the first count on opening; a count, the alphabetical order
    // and the order by count on request; pairCountList follows attestationCountList.
    void cooccurrences()
    {
        const QStringList lists = {"attestationCountList", "pairCountList"};
        const auto window = test::openStatisticWindow("cooccurrences", "A b a b. A b, il dit il dit");
        window->show();
        QCOMPARE(test::listRows(*window, lists), QStringList({"2|2", "3|1"}));
        QCOMPARE(test::selectedRows(*window, lists), QList<int>(2, 0));
        QCOMPARE(resultBox(*window, "pairsBox"), QStringLiteral("b a (2)\r\nil dit (2)\r\n"));

        test::clickRow(*window, QStringLiteral("attestationCountList"), 1);
        QCOMPARE(resultBox(*window, "pairsBox"), QStringLiteral("a b (3)\r\n"));
        test::clickRow(*window, QStringLiteral("pairCountList"), 0);
        QCOMPARE(test::selectedRows(*window, lists), QList<int>(2, 1));

        QTest::mouseClick(test::child<QPushButton>(*window, "showAllAlphabeticallyButton"), Qt::LeftButton);
        QCOMPARE(resultBox(*window, "pairsBox"), QStringLiteral("a b (3)\r\nb a (2)\r\nil dit (2)\r\n"));
        QTest::mouseClick(test::child<QPushButton>(*window, "showAllByCountButton"), Qt::LeftButton);
        QCOMPARE(resultBox(*window, "pairsBox"), QStringLiteral("b a (2)\r\nil dit (2)\r\na b (3)\r\n"));
    }

    // CooccurrencesWindow without a pair attested twice: empty lists, and the listings list nothing.
    void noCooccurrence()
    {
        const auto window = test::openStatisticWindow("cooccurrences", "le chat dort");
        QVERIFY(test::listRows(*window, {"attestationCountList", "pairCountList"}).isEmpty());
        for (const char* button : {"showAllAlphabeticallyButton", "showAllByCountButton"}) {
            QTest::mouseClick(test::child<QPushButton>(*window, button), Qt::LeftButton);
            QVERIFY(resultBox(*window, "pairsBox").isEmpty());
        }
    }

    void sentences_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("totals");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("secondSentence");
        QTest::newRow("Il pleut. Vient-il ? Oui.") << QByteArray("Il pleut. Vient-il ? Oui.") << "3|5|1,67"
                                                   << QStringList({"1|.|2", "2|?|2", "3|.|1"}) << " Vient-il ?";
        QTest::newRow("line ends, unterminated")
            << QByteArray("Oui.\r\n  Non\r\n") << "2|2|1" << QStringList({"1|.|1", "2||1"}) << "\r\n  Non\r\n";
        QTest::newRow("no sentence") << QByteArray("123 ; 4") << "0|0|" << QStringList() << "";
    }

    // SentenceLengthsWindow: nothing selected on opening; a click in any list selects its row in all
    // three and shows the sentence as it stands in the text.
    void sentences()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, totals);
        QFETCH(QStringList, rows);
        QFETCH(QString, secondSentence);
        const QStringList lists = {"sentenceNumberList", "terminatorList", "formCountList"};
        const auto window = test::openStatisticWindow("sentences", text);
        window->show();
        QCOMPARE(test::labelTexts(*window, {"sentenceCountValue", "formCountValue", "meanLengthValue"}), totals);
        QCOMPARE(test::listRows(*window, lists), rows);
        QCOMPARE(test::selectedRows(*window, lists), QList<int>(3, -1));
        QVERIFY(resultBox(*window, "sentenceBox").isEmpty());
        if (rows.size() < 2)
            return;
        test::clickRow(*window, QStringLiteral("formCountList"), 1);
        QCOMPARE(test::selectedRows(*window, lists), QList<int>(3, 1));
        QCOMPARE(resultBox(*window, "sentenceBox"), secondSentence);
    }

    // EnrichmentWindow: nothing selected on opening; either list selects the slice and
    // lists its new forms.
    void enrichment()
    {
        const QStringList lists = {"sliceList", "newFormCountList"};
        const QByteArray text = QByteArray("le chat le. ") + QByteArray("un ").repeated(97) + "le chien";
        const auto window = test::openStatisticWindow("enrichment", text);
        window->show();
        QCOMPARE(test::labelTexts(*window, {"formCountValue", "sliceSizeNote"}),
                 QStringLiteral("102|* Une tranche = 100 mots"));
        QCOMPARE(test::listRows(*window, lists), QStringList({"1|3", "2|1"}));
        QCOMPARE(test::selectedRows(*window, lists), QList<int>(2, -1));
        QVERIFY(resultBox(*window).isEmpty());
        test::clickRow(*window, QStringLiteral("newFormCountList"), 0);
        QCOMPARE(test::selectedRows(*window, lists), QList<int>(2, 0));
        QCOMPARE(resultBox(*window), QStringLiteral("chat (1)\r\nle (2)\r\nun (97)\r\n"));
        test::clickRow(*window, QStringLiteral("sliceList"), 1);
        QCOMPARE(resultBox(*window), QStringLiteral("chien (1)\r\n"));
    }
};

QTEST_MAIN(tst_frequencyWindows)
#include "tst_frequencyWindows.moc"
