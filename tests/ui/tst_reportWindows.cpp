// The windows over one text's report, on worked examples: the lists and the result box on
// opening and after clicks, the lists that drive or follow, the sort buttons, the combo
// boxes, the "Affichage" buttons, export, the concordance and the richness measures. The
// figures themselves are the core's.
#include "tests/ui/ui_test_support.h"

#include "ui/LoadedTextBox.h"
#include "ui/MessageBox.h"
#include "ui/PlainTextBox.h"
#include "ui/file_dialogs.h"
#include "ui/report_grid.h"
#include "ui/stats/ConcordanceWindow.h"
#include "ui/stats/FrequenciesWindow.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>

using namespace quorvelle;
using test::child;
using test::resultBox;

namespace {

// The names of the visible widgets among names, joined by blanks.
QString visible(const QWidget& window, const QStringList& names)
{
    QStringList shown;
    for (const QString& name : names)
        if (!child<QWidget>(window, qPrintable(name))->isHidden())
            shown << name;
    return shown.join(QLatin1Char(' '));
}

QStringList keyBoxEntries(const QWidget& window)
{
    QStringList entries;
    for (int index = 0; index < child<QComboBox>(window, "keyBox")->count(); ++index)
        entries << child<QComboBox>(window, "keyBox")->itemText(index);
    return entries;
}

void pick(const QWidget& window, const char* comboBoxName, const QString& entry)
{
    test::pickEntry(child<QComboBox>(window, comboBoxName), entry);
}

void click(const QWidget& window, const char* buttonName)
{
    QTest::mouseClick(child<QPushButton>(window, buttonName), Qt::LeftButton);
}

const QStringList lengthLists = {"formCountList", "lengthList", "percentageList"};
const QStringList sortButtons = {"sortByFormCountAscending", "sortByFormCountDescending", "sortByLengthAscending",
                                 "sortByLengthDescending",   "sortByPercentageAscending", "sortByPercentageDescending"};
const QStringList keyLists = {"occurrencesList", "formCountList"};
const QStringList edgeLists = {"letterList", "startCountList", "endCountList"};
const QStringList showFormsButtons = {"showStartFormsButton", "showEndFormsButton"};
const QStringList frequencyLists = {"frequencyList", "formCountList", "deviationList"};
const QStringList frequencyTotals = {"totalFormsValue", "distinctFormsValue", "meanFrequencyValue"};

} // namespace

class tst_reportWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::setUpWindowTests(); }

    void linkedLists_data()
    {
        QTest::addColumn<QString>("statistic");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("key"); // picked first in the combo box, if any
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QString>("values");
        QTest::addColumn<QStringList>("lists"); // the driving list first
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QStringList>("listings"); // of the first and the last row
        QTest::addColumn<bool>("anyListDrives");
        QTest::newRow("lengths") << "lengths" << QByteArray("Le chat dort.") << "" << QStringList() << "" << lengthLists
                                 << QStringList({"2|4|66,67", "1|2|33,33"}) << "formsBox"
                                 << QStringList({"chat  (1)\r\ndort  (1)\r\n", "le  (1)\r\n"}) << false;
        QTest::newRow("letters") << "letters" << test::cp1252("Elle aime le thé.") << "e" << QStringList() << ""
                                 << keyLists << QStringList({"1|2", "2|1"}) << "formsBox"
                                 << QStringList({"aime (1)\r\nle (1)\r\n", "elle (1)\r\n"}) << false;
        QTest::newRow("frequencies") << "frequencies" << QByteArray("le chat et le chien") << "" << frequencyTotals
                                     << "5|4|1,2" << frequencyLists << QStringList({"2|1|0,8", "1|3|-0,2"})
                                     << "formsBox" << QStringList({"le\r\n", "chat\r\nchien\r\net\r\n"}) << false;
        QTest::newRow("frequencies, no form")
            << "frequencies" << QByteArray("12 !") << "" << frequencyTotals << "0|0|" << frequencyLists << QStringList()
            << "formsBox" << QStringList() << false;
        QTest::newRow("cooccurrences") << "cooccurrences" << QByteArray("A b a b. A b, il dit il dit") << ""
                                       << QStringList() << "" << QStringList({"attestationCountList", "pairCountList"})
                                       << QStringList({"2|2", "3|1"}) << "pairsBox"
                                       << QStringList({"b a (2)\r\nil dit (2)\r\n", "a b (3)\r\n"}) << false;
        // The sentence as it stands in the text, line ends included.
        QTest::newRow("sentences") << "sentences" << QByteArray("Oui.\r\n  Non\r\n") << ""
                                   << QStringList({"sentenceCountValue", "formCountValue", "meanLengthValue"})
                                   << "2|2|1" << QStringList({"sentenceNumberList", "terminatorList", "formCountList"})
                                   << QStringList({"1|.|1", "2||1"}) << "sentenceBox"
                                   << QStringList({"Oui.", "\r\n  Non\r\n"}) << true;
        QTest::newRow("enrichment") << "enrichment"
                                    << QByteArray("le chat le. ") + QByteArray("un ").repeated(97) + "le chien"
                                    << "" << QStringList({"formCountValue", "sliceSizeNote"})
                                    << "102|* Une tranche = 100 mots" << QStringList({"sliceList", "newFormCountList"})
                                    << QStringList({"1|3", "2|1"}) << "formsBox"
                                    << QStringList({"chat (1)\r\nle (2)\r\nun (97)\r\n", "chien (1)\r\n"}) << true;
    }

    // A table driven by its first list opens on its first row, listed; one that any list
    // drives opens with nothing selected. A click in the first list lists its row; a click in
    // another list goes back to the first list's row, or, where any list drives, selects and
    // lists its own row in all.
    void linkedLists()
    {
        QFETCH(QString, statistic);
        QFETCH(QByteArray, text);
        QFETCH(QString, key);
        QFETCH(QStringList, labels);
        QFETCH(QString, values);
        QFETCH(QStringList, lists);
        QFETCH(QStringList, rows);
        QFETCH(QString, box);
        QFETCH(QStringList, listings);
        QFETCH(bool, anyListDrives);
        const auto window = test::openStatisticWindow(statistic.toStdString(), text);
        window->show();
        if (!key.isEmpty())
            pick(*window, "keyBox", key);
        QCOMPARE(test::labelTexts(*window, labels), values);
        QCOMPARE(test::listRows(*window, lists), rows);
        const auto selected = [&lists](int row) { return QList<int>(lists.size(), row); };
        const bool opensOnARow = !anyListDrives && !rows.isEmpty();
        QCOMPARE(test::selectedRows(*window, lists), selected(opensOnARow ? 0 : -1));
        QCOMPARE(resultBox(*window, qPrintable(box)), opensOnARow ? listings.first() : QString());
        if (rows.isEmpty())
            return;
        const int last = static_cast<int>(rows.size()) - 1;
        test::clickRow(*window, lists.first(), last);
        QCOMPARE(test::selectedRows(*window, lists), selected(last));
        QCOMPARE(resultBox(*window, qPrintable(box)), listings.last());
        test::clickRow(*window, lists.last(), 0);
        QCOMPARE(test::selectedRows(*window, lists), selected(anyListDrives ? 0 : last));
        QCOMPARE(resultBox(*window, qPrintable(box)), anyListDrives ? listings.first() : listings.last());
    }

    // LengthsWindow's sort buttons: the first click on a pair sorts ascending, the next one
    // descending; ties keep the decreasing-length order, from which every sort starts again;
    // the new first row is selected and its forms listed.
    void lengthSorts()
    {
        const auto window = test::openStatisticWindow("lengths", "aa bb c dd eee");
        window->show();
        const struct {
            QStringList clicks;
            QStringList rows;
            QString buttons;
            QString forms;
        } steps[] = {
            {{"sortByFormCountAscending", "sortByFormCountDescending"},
             {"3|2|60", "1|3|20", "1|1|20"},
             "sortByFormCountAscending sortByLengthAscending sortByPercentageAscending",
             "aa  (1)\r\nbb  (1)\r\ndd  (1)\r\n"},
            {{"sortByPercentageAscending", "sortByLengthAscending"},
             {"1|1|20", "3|2|60", "1|3|20"},
             "sortByFormCountAscending sortByLengthDescending sortByPercentageDescending",
             "c  (1)\r\n"},
        };
        for (const auto& [clicks, rows, buttons, forms] : steps) {
            for (const QString& name : clicks)
                click(*window, qPrintable(name));
            QCOMPARE(test::listRows(*window, lengthLists), rows);
            QCOMPARE(test::selectedRows(*window, lengthLists), QList<int>(3, 0));
            QCOMPARE(visible(*window, sortButtons), buttons);
            QCOMPARE(resultBox(*window), forms);
        }
    }

    // The key windows open with the combo box on its first key, unselected, the keys in the
    // report's order, and the lists empty; leaving the combo box, or typing a text that is no
    // key and Enter, picks nothing (picking and clicking: linkedLists).
    void keysNotPicked()
    {
        QVERIFY(keyBoxEntries(*test::openStatisticWindow("letters", "12 !")).isEmpty());
        const auto window = test::openStatisticWindow("letters", "Le l\xE0");
        auto* combo = child<QComboBox>(*window, "keyBox");
        QCOMPARE(combo->currentIndex(), -1);
        QCOMPARE(combo->currentText(), QStringLiteral("à"));
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        combo->setFocus();
        child<QWidget>(*window, "formsBox")->setFocus();
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo, QStringLiteral("L"));
        QTest::keyClick(combo, Qt::Key_Return);
        QCOMPARE(keyBoxEntries(*window), QStringList({"à", "e", "l"}));
        QVERIFY(test::listRows(*window, keyLists).isEmpty());
        QVERIFY(resultBox(*window).isEmpty());
    }

    // StartEndLettersWindow: the table with nothing selected and the buttons hidden; a pick
    // empties the result box and shows the two counts and the buttons of the sides that have
    // forms; a button lists them. "Affichage" lists the letter the combo box shows, as typed: a
    // capital or two letters match no form. Any of the three lists selects its row in the
    // other two.
    void edges()
    {
        const auto window = test::openStatisticWindow("edges", test::cp1252("Le sel est là."));
        window->show();
        QCOMPARE(test::listRows(*window, edgeLists), QStringList({"e|1|1", "l|2|1", "s|1|0", "t|0|1", "à|0|1"}));
        QCOMPARE(test::selectedRows(*window, edgeLists), QList<int>(3, -1));
        QCOMPARE(child<QComboBox>(*window, "letterBox")->currentText(), QStringLiteral("e"));
        QCOMPARE(visible(*window, showFormsButtons), QString());
        const char* const picks[][4] = {
            {"l", "2 1 showStartFormsButton showEndFormsButton", "showStartFormsButton", "là (1)\r\nle (1)\r\n"},
            {"s", "1 0 showStartFormsButton", "showStartFormsButton", "sel (1)\r\n"},
            {"à", "0 1 showEndFormsButton", "showEndFormsButton", "là (1)\r\n"}};
        for (const auto& [letter, choice, button, forms] : picks) {
            pick(*window, "letterBox", QString::fromUtf8(letter));
            QVERIFY(resultBox(*window).isEmpty());
            QCOMPARE(QStringList({child<QLineEdit>(*window, "startCountBox")->text(),
                                  child<QLineEdit>(*window, "endCountBox")->text(), visible(*window, showFormsButtons)})
                         .join(' '),
                     QString::fromUtf8(choice));
            click(*window, button);
            QCOMPARE(resultBox(*window), QString::fromUtf8(forms));
        }
        pick(*window, "letterBox", QStringLiteral("l"));
        for (const QString& typed : {QStringLiteral("L"), QStringLiteral("le")}) {
            child<QComboBox>(*window, "letterBox")->setEditText(typed);
            click(*window, "showStartFormsButton");
            QVERIFY(resultBox(*window).isEmpty());
        }
        for (int row = 0; row < edgeLists.size(); ++row) {
            test::clickRow(*window, edgeLists[row], row + 1);
            QCOMPARE(test::selectedRows(*window, edgeLists), QList<int>(3, row + 1));
        }
    }

    // CooccurrencesWindow: every pair in alphabetical order, or by count, on request; nothing
    // without a pair attested twice.
    void cooccurrenceListings()
    {
        const auto window = test::openStatisticWindow("cooccurrences", "A b a b. A b, il dit il dit");
        click(*window, "showAllAlphabeticallyButton");
        QCOMPARE(resultBox(*window, "pairsBox"), QStringLiteral("a b (3)\r\nb a (2)\r\nil dit (2)\r\n"));
        click(*window, "showAllByCountButton");
        QCOMPARE(resultBox(*window, "pairsBox"), QStringLiteral("b a (2)\r\nil dit (2)\r\na b (3)\r\n"));
        const auto none = test::openStatisticWindow("cooccurrences", "le chat dort");
        for (const char* button : {"showAllAlphabeticallyButton", "showAllByCountButton"}) {
            click(*none, button);
            QVERIFY(resultBox(*none, "pairsBox").isEmpty());
        }
    }

    // In a result box a double-click selects a word, as in any text box; Ctrl+Entrée shows
    // the form of the line under the caret in context.
    void formOfAResultBoxInContext()
    {
        const auto shown = test::openWindowOf<FrequenciesStatistic>("Le chat et le chien");
        ui::FrequenciesWindow& window = *shown;
        window.show();
        auto* box = test::child<ui::LoadedTextBox>(window, "formsBox")->editor();
        QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, box->cursorRect(QTextCursor(box->document())).center());
        QCOMPARE(box->textCursor().selectedText(), QStringLiteral("le"));
        QVERIFY(window.findChildren<ui::ConcordanceWindow*>().isEmpty());
        QCOMPARE(test::concordanceOfFirstLine(window),
                 QStringLiteral("Parvane Dorlesca - Concordance de « le »|2 occurrences"));
    }

    // "Exporter..." saves the rows as the window shows them, as CSV for French spreadsheets,
    // in place of a file already there, or says why it cannot; "Copier les lignes" in a list
    // copies the whole row of the table, tab-separated.
    void exportAndCopyRows()
    {
        const QTemporaryDir directory;
        const QString path = test::writeFile(directory, QStringLiteral("f.csv"), "un fichier plus long que l'export");
        const auto window = test::openStatisticWindow("frequencies", "le chat et le chien");
        const QString absent = directory.filePath(QStringLiteral("absent/f.csv"));
        ui::setNextChosenFile(absent);
        child<QAction>(*window, "exportAction")->trigger();
        const QList<ui::ShownMessage> shown = ui::MessageBox::takeShownMessages();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text,
                 QStringLiteral("Le fichier « %1 » n'a pas pu être enregistré : le dossier « %2 » "
                                "n'existe pas.")
                     .arg(absent, directory.filePath(QStringLiteral("absent"))));
        ui::setNextChosenFile(path);
        child<QAction>(*window, "exportAction")->trigger();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(),
                 QByteArray("\xEF\xBB\xBF"
                            "Fréq. d' attestation réelle;Nombre de forme(s);"
                            "Ecarts positifs ou négatifs\r\n2;1;0,8\r\n1;3;-0,2\r\n"));
        window->show();
        test::clickRow(*window, QStringLiteral("frequencyList"), 1);
        child<QAction>(*child<QListView>(*window, "frequencyList"), "copyRowsAction")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1\t3\t-0,2\r\n"));
    }

    // SegmentsWindow: "le chat" 3 times, "le chat dort" and "chat dort" twice, by frequency then
    // length; "chat dort" always follows "le", so not maximal; by length on a click; a
    // segment in context.
    void segments()
    {
        const auto window = test::openStatisticWindow("segments", "le chat dort. le chat dort. le chat.");
        const auto segments = [&window] { return test::listRows(*window, {"segmentGrid"}); };
        QCOMPARE(segments(), QStringList({"le chat", "le chat dort", "chat dort"}));
        child<QCheckBox>(*window, "maximalBox")->setChecked(true);
        QCOMPARE(segments(), QStringList({"le chat", "le chat dort"}));
        auto* grid = child<QTableView>(*window, "segmentGrid");
        grid->horizontalHeader()->setSortIndicator(2, Qt::AscendingOrder); // a first click: longest first
        QCOMPARE(segments(), QStringList({"le chat dort", "le chat"}));
        QCOMPARE(test::labelTexts(*window, {"segmentCountValue"}), QStringLiteral("2"));
        QString inContext;
        grid->setCurrentIndex(grid->model()->index(0, 0));
        test::inspectWindowBeside([grid] { QTest::keyClick(grid, Qt::Key_Return); },
                                  [&inContext](QWidget* concordance) { inContext = concordance->windowTitle(); });
        QCOMPARE(inContext, QStringLiteral("Parvane Dorlesca - Concordance de « le chat dort »"));

        // Without the function words, a segment of them only goes, one with a word of meaning
        // stays; the filter finds its forms one after the other.
        const auto sea = test::openStatisticWindow("segments", "Au bord de la mer. Au bord de la mer.");
        const auto seaSegments = [&sea] { return test::listRows(*sea, {"segmentGrid"}); };
        QVERIFY(seaSegments().contains(QStringLiteral("de la")));
        child<QCheckBox>(*sea, "functionWordsCheck")->setChecked(true);
        QVERIFY(!seaSegments().contains(QStringLiteral("de la")));
        QCOMPARE(seaSegments().size(), 9);
        QTest::keyClicks(child<QLineEdit>(*sea, "filterBox"), QStringLiteral("la m"));
        QCOMPARE(seaSegments(), QStringList({"au bord de la mer", "bord de la mer", "de la mer", "la mer"}));
        QCOMPARE(test::labelTexts(*sea, {"segmentCountValue", "rowCountLabel"}), QStringLiteral("4|4 lignes sur 10"));
    }

    // From the concordance of a form, the forms around it and its parts of the text. "noir"
    // follows each "chat" in its sentence: c = F = 2 of t = 2 positions out of N = 24, a score
    // of log10 276 = 2,44 over the default 2; across sentences the spans cover 7 positions.
    // "x" at forms 1 and 10 of 10, one form a part: D = 1 − 2 / 3, DP = ½ (2 × 0,4 + 8 × 0,1).
    void collocatesAndDispersionFromTheConcordance()
    {
        const SharedText text = test::analysed("a b c d e f g h i j k l m n o p q r s t. chat noir. chat noir.");
        ui::ConcordanceWindow concordance(
            text, quorvelle::concordance(text->text(), "chat", {10, ContextUnit::Characters}), nullptr);
        QString around;
        const auto showCollocates = [&concordance] {
            QTest::mouseClick(child<QPushButton>(concordance, "showCollocatesButton"), Qt::LeftButton);
        };
        test::inspectWindowBeside(showCollocates, [&around](QWidget* collocates) {
            around = test::listRows(*collocates, {"collocateGrid"}).join(QLatin1Char('/')) + QLatin1Char(' ')
                + test::labelTexts(*collocates, {"pivotAttestationsValue", "spanFormsValue", "shownCountValue"});
            child<QCheckBox>(*collocates, "sameSentenceBox")->setChecked(false);
            around += QLatin1Char(' ') + test::labelTexts(*collocates, {"spanFormsValue"});
        });
        QCOMPARE(around, QStringLiteral("noir 2|2|1 7"));

        const SharedText tenForms = test::analysed("x a a a a a a a a x");
        ui::ConcordanceWindow ofX(
            tenForms, quorvelle::concordance(tenForms->text(), "x", {10, ContextUnit::Characters}), nullptr);
        QStringList parts;
        const auto showDispersion = [&ofX] {
            QTest::mouseClick(child<QPushButton>(ofX, "showDispersionButton"), Qt::LeftButton);
        };
        test::inspectWindowBeside(showDispersion, [&parts](QWidget* dispersion) {
            parts << test::labelTexts(*dispersion, {"juillandValue", "griesValue"})
                  << QString::number(child<QTableView>(*dispersion, "partsGrid")->model()->rowCount());
            test::pickEntry(child<QComboBox>(*dispersion, "partsBox"), QStringLiteral("20"));
            parts << QString::number(child<QTableView>(*dispersion, "partsGrid")->model()->rowCount());
        });
        QCOMPARE(parts, QStringList({"0,3333|0,8", "10", "20"}));
    }

    // The concordance's contexts in forms, its rows in the order of the keys its boxes choose
    // (each box open once the one before it has a key), the current occurrence kept current,
    // and its sentence under the grid, the occurrence selected in it.
    void concordanceOrderAndSentence()
    {
        const SharedText text = test::analysed("Le chat noir. Un chat mange. Le chat dort.");
        ui::ConcordanceWindow window(
            text, quorvelle::concordance(text->text(), "chat", ui::ConcordanceWindow::defaultContext), nullptr);
        auto* grid = child<QTableView>(window, "concordanceGrid");
        const auto rows = [grid] {
            QStringList shown;
            for (int row = 0; row < grid->model()->rowCount(); ++row)
                shown << ui::rowCells(*grid->model(), row).mid(1).join(QString());
            return shown;
        };
        const auto sentence = [&window] {
            const auto* box = child<ui::LoadedTextBox>(window, "sentenceBox")->editor();
            return box->text() + QLatin1Char('|') + box->textCursor().selectedText();
        };
        pick(window, "contextUnitBox", QStringLiteral("en formes"));
        auto* contextSize = child<QSpinBox>(window, "contextSizeBox");
        QCOMPARE(contextSize->value(), 10);
        contextSize->setValue(1);
        QCOMPARE(rows(), QStringList({"Le chat noir", "Un chat mange", "Le chat dort"}));
        QCOMPARE(sentence(), QStringLiteral("Le chat noir.|chat"));
        QVERIFY(!child<QComboBox>(window, "secondSortKeyBox")->isEnabled());

        pick(window, "firstSortKeyBox", QStringLiteral("1re forme à gauche"));
        QCOMPARE(rows(), QStringList({"Le chat noir", "Le chat dort", "Un chat mange"}));
        QVERIFY(!child<QComboBox>(window, "thirdSortKeyBox")->isEnabled());
        pick(window, "secondSortKeyBox", QStringLiteral("1re forme à droite"));
        QCOMPARE(rows(), QStringList({"Le chat dort", "Le chat noir", "Un chat mange"}));
        QVERIFY(child<QComboBox>(window, "thirdSortKeyBox")->isEnabled());
        QCOMPARE(grid->currentIndex().row(), 1);
        QCOMPARE(sentence(), QStringLiteral("Le chat noir.|chat"));
        grid->setCurrentIndex(grid->model()->index(2, 0));
        QCOMPARE(sentence(), QStringLiteral("Un chat mange.|chat"));
        // The filter reads the forms around the occurrence too, and keeps the sorted order.
        auto* filterBox = child<QLineEdit>(window, "filterBox");
        filterBox->setText(QStringLiteral("le ch"));
        QCOMPARE(rows(), QStringList({"Le chat dort", "Le chat noir"}));
        filterBox->clear();

        pick(window, "firstSortKeyBox", QStringLiteral("Ordre du texte"));
        QCOMPARE(rows(), QStringList({"Le chat noir", "Un chat mange", "Le chat dort"}));
        QVERIFY(!child<QComboBox>(window, "secondSortKeyBox")->isEnabled());
        // No main window shows its text.
        QVERIFY(!child<QPushButton>(window, "showInTextButton")->isEnabled());
    }

    // RichnessWindow: the counts, then each measure's value under the French separator, rounded
    // to four significant digits, "—" where the text cannot define it.
    void richness()
    {
        const auto window = test::openStatisticWindow("richness", "Le chat et le chien");
        QCOMPARE(test::labelTexts(*window, {"tokenCountLabel", "distinctCountLabel", "hapaxCountLabel"}),
                 QStringLiteral("5|4|3"));
        const QAbstractItemModel* measures = child<QTableView>(*window, "measuresGrid")->model();
        QStringList values;
        for (int row = 0; row < measures->rowCount(); ++row)
            values << measures->index(row, 1).data().toString();
        QCOMPARE(values, QStringList({"0,8", "1,789", "0,8614", "800", "0,1", "643,8", "0,75", "0,6", "—", "—"}));
    }
};

QTEST_MAIN(tst_reportWindows)
#include "tst_reportWindows.moc"
