// "Comment ce nombre est-il calculé ?" over the windows: for each kind of figure, on the
// manual's worked example and on the sample text, the explanation opens beside the figure and
// ends on the figure as the window shows it; Maj+F1 asks for it from the keyboard, and its
// link opens the manual. The arithmetic of each explanation is the core's.
#include "tests/ui/ui_test_support.h"

#include "ui/shell/ExplanationWindow.h"
#include "ui/shell/HelpWindow.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QTest>
#include <QTextBrowser>
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

// Asks for the explanation of the cell of a view's row through its context menu, as a right
// click on it does; returns the cell's text.
QString explainThroughContextMenu(QAbstractItemView* view, int row)
{
    const QModelIndex index = view->model()->index(row, 0);
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
    return child<QTextBrowser>(*explanation, "explanationText")->toPlainText();
}

} // namespace

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

        struct Figure {
            const char* statistic;
            const char* figure;
            int row;
            const char* exampleStep; // on the worked example
            int sampleRow;
            const char* sampleStep; // on the sample text
        };
        const Figure figures[] = {
            {"vocabulary", "totalFormsValue", -1, "N = 13.", -1, "N = 829."},
            {"vocabulary", "distinctFormsValue", -1, "V = 6.", -1, "V = 394."},
            {"vocabulary", "meanFrequencyValue", -1, "13 / 6 = 2,1666…", -1, "829 / 394 = 2,1040…"},
            {"frequencies", "meanFrequencyValue", -1, "N = 13 et V = 6.", -1, "N = 829 et V = 394."},
            {"frequencies", "deviationList", 0, "5 − 2,2 = 2,8", 0, "27 − 2,1 = 24,9"},
            {"frequencies", "deviationList", 2, "1 − 2,2 = -1,2", 16, "1 − 2,1 = -1,1"},
        };
        const QByteArray sample = sampleText();
        for (const Figure& figure : figures) {
            QTest::addRow("%s %s %d, exemple", figure.statistic, figure.figure, figure.row)
                << workedExample << QString::fromLatin1(figure.statistic) << QString::fromLatin1(figure.figure)
                << figure.row << QString::fromUtf8(figure.exampleStep);
            QTest::addRow("%s %s %d, échantillon", figure.statistic, figure.figure, figure.sampleRow)
                << sample << QString::fromLatin1(figure.statistic) << QString::fromLatin1(figure.figure)
                << figure.sampleRow << QString::fromUtf8(figure.sampleStep);
        }
    }

    void figuresExplainTheValueShown()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, statistic);
        QFETCH(QString, figure);
        QFETCH(int, row);
        QFETCH(QString, step);
        const std::unique_ptr<QWidget> window = test::openStatisticWindow(statistic.toStdString(), text);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        auto* widget = child<QWidget>(*window, qPrintable(figure));
        QString shown;
        if (auto* view = qobject_cast<QAbstractItemView*>(widget)) {
            shown = explainThroughContextMenu(view, row);
        } else {
            shown = qobject_cast<QLabel*>(widget)->text();
            auto* explain = widget->findChild<QAction*>(QStringLiteral("explainFigureAction"));
            QVERIFY(explain && widget->actions().contains(explain)); // in the context menu
            QCOMPARE(widget->contextMenuPolicy(), Qt::ActionsContextMenu);
            explain->trigger();
        }
        QVERIFY(!shown.isEmpty());
        const QString explanation = explanationShown(*window);
        QVERIFY2(explanation.contains(step), qPrintable(explanation));
        QVERIFY2(
            explanation.trimmed().endsWith(QStringLiteral("Valeur affichée : ") + shown
                                           + QStringLiteral("\nLire la page du manuel qui explique cette statistique")),
            qPrintable(explanation));
    }

    // Maj+F1 explains the figure that has the focus, which Tab gives to a total; the same
    // window shows each explanation asked for, and its link opens the manual at the page.
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
        auto* text = child<QTextBrowser>(*explanation, "explanationText");
        QCOMPARE(text->accessibleName(), QStringLiteral("Explication du calcul"));
        emit text->anchorClicked(QUrl(QStringLiteral("frequences.html")));
        auto* help = explanation->findChild<ui::HelpWindow*>();
        QVERIFY(help && help->isVisible());
        QCOMPARE(child<QTextBrowser>(*help, "helpBrowser")->source(),
                 QUrl(QStringLiteral("qrc:/help/frequences.html")));
    }
};

QTEST_MAIN(tst_explanations)
#include "tst_explanations.moc"
