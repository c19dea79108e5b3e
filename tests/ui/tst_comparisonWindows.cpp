// The comparison of two texts: the second-text window's states and loading, the hand-over
// to the results through the wait dialog, and the results' figures and listings.
#include "core/statistics/specificities_statistic.h"
#include "tests/ui/ui_test_support.h"
#include "ui/LoadedTextBox.h"
#include "ui/MessageBox.h"
#include "ui/PlainTextBox.h"
#include "ui/file_dialogs.h"
#include "ui/stats/ComparisonResultsWindow.h"
#include "ui/stats/SecondTextWindow.h"
#include "ui/stats/SpecificitiesWindow.h"
#include "ui/studied_files.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <utility>

using namespace quorvelle;
using test::child;
using ui::MessageBox;

namespace {

const QString firstPath = QStringLiteral("/textes/premier.txt");
const QString startCaption = QStringLiteral("Chargez un fichier texte pour le texte n°2 avec la commande Ouvrir");

// "open close- show-": the items that open and close the second text and show the comparison,
// a disabled one followed by "-"; then whether the hint shows, and the start of the second text.
QString secondTextState(const QWidget& window)
{
    const std::pair<const char*, const char*> items[] = {
        {"open", "openSecondTextAction"}, {"close", "closeSecondTextAction"}, {"show", "showComparisonAction"}};
    QStringList state;
    for (const auto& [word, name] : items)
        state << QString::fromLatin1(word) + (child<QAction>(window, name)->isEnabled() ? "" : "-");
    state << (child<QLabel>(window, "comparisonHintLabel")->isHidden() ? QStringLiteral("hidden")
                                                                       : QStringLiteral("shown"));
    state << child<ui::LoadedTextBox>(window, "secondTextBox")->text().left(5);
    return state.join(QLatin1Char(' '));
}

const QString withoutSecondText = QStringLiteral("open close- show- hidden ");

} // namespace

class tst_comparisonWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        test::setUpWindowTests();
        QVERIFY(files_.isValid());
    }

    void init() { MessageBox::takeShownMessages(); }

    // The second text's states: at opening, after a cancelled dialog and a No to the size
    // question, once loaded (as the main window loads its text), and after "Fermer".
    void secondText()
    {
        ui::SecondTextWindow window(test::analysed("le chat\r\n"), firstPath, nullptr);
        QCOMPARE(child<ui::LoadedTextBox>(window, "firstTextBox")->text(), QStringLiteral("le chat\r\n"));
        const auto unchanged = [&] {
            QCOMPARE(secondTextState(window), withoutSecondText);
            QVERIFY(!child<ui::LoadedTextBox>(window, "secondTextBox")->isEnabled());
            QCOMPARE(child<QLabel>(window, "firstFilePathLabel")->text(), startCaption);
            QVERIFY(child<QLabel>(window, "secondFilePathLabel")->text().isEmpty());
        };
        unchanged();
        ui::setNextChosenFile(QString());
        child<QAction>(window, "openSecondTextAction")->trigger();
        unchanged();

        const QString path = test::writeFile(files_, QStringLiteral("second.txt"), QByteArray(64001, 'a'));
        for (const QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes}) {
            MessageBox::setNextAnswer(answer);
            ui::setNextChosenFile(path);
            child<QAction>(window, "openSecondTextAction")->trigger();
            QCOMPARE(MessageBox::takeShownMessages().size(), 1);
            if (answer == QMessageBox::No)
                unchanged();
        }
        QCOMPARE(secondTextState(window), QStringLiteral("open- close show shown aaaaa"));
        QVERIFY(child<ui::LoadedTextBox>(window, "secondTextBox")->isEnabled());
        QCOMPARE(child<QLabel>(window, "firstFilePathLabel")->text(), firstPath);
        QCOMPARE(child<QLabel>(window, "secondFilePathLabel")->text(), path);
        // In the texts, as in any text editor, Tab types a tab, and Ctrl+Tab moves on.
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* second = child<ui::LoadedTextBox>(window, "secondTextBox");
        second->setFocus();
        QTest::keyClick(second->editor(), Qt::Key_Tab);
        QTest::keyClick(second->editor(), Qt::Key_Tab, Qt::ControlModifier);
        QVERIFY(second->text().startsWith(u'\t') && child<ui::LoadedTextBox>(window, "firstTextBox")->hasFocus());

        child<QAction>(window, "closeSecondTextAction")->trigger();
        QCOMPARE(secondTextState(window), withoutSecondText);
        QCOMPARE(child<QLabel>(window, "firstFilePathLabel")->text(),
                 QStringLiteral("Chargez un fichier texte avec la commande Ouvrir."));
        QVERIFY(child<QLabel>(window, "secondFilePathLabel")->text().isEmpty());
    }

    // "Affichage" compares the two boxes as they stand, off the interface thread, over this window.
    void showComparisonComparesTheBoxes()
    {
        ui::SecondTextWindow window(test::analysed("le chat"), firstPath, nullptr);
        window.openSecondText(test::writeFile(files_, QStringLiteral("loup.txt"), "le loup"));
        child<ui::LoadedTextBox>(window, "firstTextBox")->setText(QStringLiteral("le chat et le chien"));
        QString figures;
        QWidget* parent = nullptr;
        test::closeNextModalWindow([&](QWidget* results) {
            figures = test::labelTexts(*results, {"tokenCount1Label", "commonCountLabel"});
            parent = results->parentWidget();
        });
        child<QAction>(window, "showComparisonAction")->trigger();
        QCOMPARE(figures, QStringLiteral("5|1"));
        QCOMPARE(parent, &window);
    }

    // The value labels in their order (the figures are the core's); a share over no form
    // shows nothing.
    void figures()
    {
        const auto opened = test::openComparisonResults("le chat et le chien.", "le chien, le loup.");
        ui::ComparisonResultsWindow& window = *opened;
        QStringList shown;
        for (const char* group :
             {"tokenCount1Label tokenCount2Label distinctCount1Label distinctCount2Label commonCountLabel",
              "commonShare1Label commonShare2Label",
              "commonTokens1Label commonTokenShare1Label commonTokens2Label commonTokenShare2Label",
              "properCount1Label properShare1Label properTokens1Label properTokenShare1Label",
              "properCount2Label properShare2Label properTokens2Label properTokenShare2Label"})
            shown << test::labelTexts(window, QString::fromLatin1(group).split(QLatin1Char(' ')));
        QCOMPARE(shown.join(QStringLiteral(" | ")),
                 QStringLiteral("5|4|4|3|2 | 50|66,67 | 3|60|3|75 | 2|50|2|40 | 1|33,33|1|25"));
        const auto empty = test::openComparisonResults("le chat", "");
        QCOMPARE(test::labelTexts(*empty, {"commonShare2Label", "commonTokenShare2Label", "properShare2Label"}),
                 QStringLiteral("||"));
    }

    // Each button lists its forms under its caption; a form of a listing shows in context in
    // the text it belongs to, a common form in the first.
    void listings()
    {
        const auto window = test::openComparisonResults("la mer, la mer", "la terre");
        window->show();
        QCOMPARE(child<QGroupBox>(*window, "formsFrame")->title(), QStringLiteral("Forme(s)"));
        const char* const listings[][4] = {
            {"showCommonFormsButton", "Formes communes", "la (2)  (1)\r\n", "« la »|2 occurrences"},
            {"showFirstTextFormsButton", "Formes propres au texte n°1", "mer (2)\r\n", "« mer »|2 occurrences"},
            {"showSecondTextFormsButton", "Formes propres au texte n°2", "terre (1)\r\n", "« terre »|1 occurrence"}};
        for (const auto& [button, caption, forms, inContext] : listings) {
            QTest::mouseClick(child<QPushButton>(*window, button), Qt::LeftButton);
            QCOMPARE(child<QGroupBox>(*window, "formsFrame")->title(), QString::fromUtf8(caption));
            QCOMPARE(test::resultBox(*window), QString::fromUtf8(forms));
            QCOMPARE(test::concordanceOfFirstLine(*window),
                     QStringLiteral("Parvane Dorlesca - Concordance de %1").arg(QString::fromUtf8(inContext)));
        }
    }

    // The forms that reach the chosen threshold, by specificity or by the column whose heading
    // is clicked; a form in context in the text that uses it more.
    void specificities()
    {
        const SharedText sea = test::analysed("mer le mer le mer le mer le mer le mer mer mer mer mer");
        const SharedText sky = test::analysed("ciel le ciel le ciel le ciel le ciel le ciel ciel ciel ciel ciel");
        ui::SpecificitiesWindow window(sea, sky, SpecificitiesStatistic::report(AnalysedTexts(sea, sky)), nullptr);
        ui::setStudiedFiles(&window,
                            {files_.filePath(QStringLiteral("mer.txt")), files_.filePath(QStringLiteral("ciel.txt"))});
        window.show();
        auto* grid = child<QTableView>(window, "specificityGrid");
        const auto forms = [&window] { return test::listRows(window, {"specificityGrid"}); };
        QCOMPARE(test::labelTexts(window, {"overUsedIn1Value", "overUsedIn2Value"}), QStringLiteral("1|1"));
        QCOMPARE(forms(), QStringList({"mer", "ciel"}));
        grid->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
        QCOMPARE(forms(), QStringList({"ciel", "mer"}));
        grid->setCurrentIndex(grid->model()->index(0, 0));
        QString inContext;
        test::inspectWindowBeside([grid] { QTest::keyClick(grid, Qt::Key_Return); },
                                  [&](QWidget* concordance) {
                                      inContext = test::labelTexts(*concordance, {"occurrenceCountLabel"})
                                          + QLatin1Char(' ')
                                          + ui::proposedFilePath(concordance, QStringLiteral("c.csv"));
                                  });
        // "ciel", in the second text, whose files the concordance is named after.
        QCOMPARE(inContext, QStringLiteral("10 occurrences ") + files_.filePath(QStringLiteral("ciel-c.csv")));
        test::pickEntry(child<QComboBox>(window, "thresholdBox"), QStringLiteral("5"));
        QCOMPARE(forms(), QStringList());
    }

    // The lemmas in place of the forms: « manger » once for its forms, in context whatever its form.
    void specificitiesOfLemmas()
    {
        const QByteArray eating =
            test::cp1252("Je mange, tu manges, il mangeait, nous mangerons, vous mangez, ils mangent.");
        const QByteArray drinking = test::cp1252("Je bois, tu bois, il buvait, nous boirons, vous buvez, ils boivent.");
        const SharedText first = test::analysed(eating);
        const SharedText second = test::analysed(drinking);
        ui::SpecificitiesWindow window(first, second, SpecificitiesStatistic::report(AnalysedTexts(first, second)),
                                       nullptr);
        window.show();
        test::pickEntry(child<QComboBox>(window, "thresholdBox"), QStringLiteral("1"));
        QVERIFY(!test::listRows(window, {"specificityGrid"}).contains(QStringLiteral("manger")));
        test::pickEntry(child<QComboBox>(window, "unitBox"), QStringLiteral("lemmes"));
        QCOMPARE(test::listRows(window, {"specificityGrid"}).value(0), QStringLiteral("manger"));
        auto* grid = child<QTableView>(window, "specificityGrid");
        grid->setCurrentIndex(grid->model()->index(0, 0));
        test::inspectWindowBeside([grid] { QTest::keyClick(grid, Qt::Key_Return); },
                                  [](QWidget* concordance) {
                                      QCOMPARE(test::labelTexts(*concordance, {"occurrenceCountLabel"}),
                                               QStringLiteral("6 occurrences"));
                                  });
        test::pickEntry(child<QComboBox>(window, "unitBox"), QStringLiteral("formes"));
        QCOMPARE(test::labelTexts(window, {"tokenCount1Value"}), QStringLiteral("12"));
    }

private:
    QTemporaryDir files_;
};

QTEST_MAIN(tst_comparisonWindows)
#include "tst_comparisonWindows.moc"
