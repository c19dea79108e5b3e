// The vocabulary list window on the examples of its behaviour.
#include "tests/ui/ui_test_support.h"
#include "ui/shell/frmAbout.h"
#include "ui/stats/frmListe01.h"

#include <QAction>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

using namespace quorvelle;

namespace {

constexpr int twipsPerInch = 1440;

QStringList gridRows(const QTableView* grid)
{
    const QAbstractItemModel* model = grid->model();
    QStringList rows;
    for (int row = 0; row < model->rowCount(); ++row)
        rows << model->index(row, 0).data().toString() + QLatin1Char(' ') + model->index(row, 1).data().toString();
    return rows;
}

} // namespace

class tst_frmListe01 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::setUpWindowTests(); }

    void totalsAndBothOrders_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("tokens");
        QTest::addColumn<QString>("distinct");
        QTest::addColumn<QString>("mean");
        QTest::addColumn<QStringList>("alphabetical");
        QTest::addColumn<QStringList>("byFrequency");
        QTest::newRow("Le chat, le Chien.") << QByteArray("Le chat, le Chien.") << "4" << "3" << "1,3"
                                            << QStringList({"chat 1", "chien 1", "le 2"})
                                            << QStringList({"le 2", "chat 1", "chien 1"});
        QTest::newRow("first form attested twice") << QByteArray("a a b.") << "3" << "2" << "1,5"
                                                   << QStringList({"a 2", "b 1"}) << QStringList({"a 2", "b 1"});
        QTest::newRow("N 9, D 4: 2,25 to 2,2") << QByteArray("a a a a a a b c d") << "9" << "4" << "2,2"
                                               << QStringList({"a 6", "b 1", "c 1", "d 1"})
                                               << QStringList({"a 6", "b 1", "c 1", "d 1"});
        QTest::newRow("N 11, D 4: 2,75 to 2,8") << QByteArray("d d d c c c b b b a a") << "11" << "4" << "2,8"
                                                << QStringList({"a 2", "b 3", "c 3", "d 3"})
                                                << QStringList({"b 3", "c 3", "d 3", "a 2"});
        QTest::newRow("whole mean") << QByteArray("b a b a") << "4" << "2" << "2" << QStringList({"a 2", "b 2"})
                                    << QStringList({"a 2", "b 2"});
        QTest::newRow("accents, case") << test::cp1252("Été, été, à A") << "4" << "3" << "1,3"
                                       << QStringList({"a 1", "à 1", "été 2"})
                                       << QStringList({"été 2", "a 1", "à 1"});
        QTest::newRow("N = 0") << QByteArray("12 ; 3,4 !\r\n") << "0" << "0" << "" << QStringList() << QStringList();
        QTest::newRow("empty text") << QByteArray() << "0" << "0" << "" << QStringList() << QStringList();
    }

    void totalsAndBothOrders()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, tokens);
        QFETCH(QString, distinct);
        QFETCH(QString, mean);
        QFETCH(QStringList, alphabetical);
        QFETCH(QStringList, byFrequency);

        ui::frmListe01 window(text.toStdString(), nullptr);
        QCOMPARE(label(window, "Label6"), tokens);
        QCOMPARE(label(window, "Label7"), distinct);
        QCOMPARE(label(window, "Label8"), mean);
        QCOMPARE(gridRows(grid(window)), alphabetical);

        QTest::mouseClick(button(window), Qt::LeftButton);
        QCOMPARE(gridRows(grid(window)), byFrequency);
        QCOMPARE(label(window, "Label6"), tokens);
    }

    void buttonSwitchesOrderAndCaption()
    {
        ui::frmListe01 window("Le chat, le Chien.", nullptr);
        const QString byFrequencyCaption = QStringLiteral("Tri par fréquences décroissantes");
        const QString alphabeticalCaption = QStringLiteral("Tri alphabétique");
        const QStringList alphabetical = gridRows(grid(window));
        QCOMPARE(button(window)->text(), byFrequencyCaption);

        QTest::mouseClick(button(window), Qt::LeftButton);
        QCOMPARE(button(window)->text(), alphabeticalCaption);
        QVERIFY(gridRows(grid(window)) != alphabetical);

        QTest::mouseClick(button(window), Qt::LeftButton);
        QCOMPARE(button(window)->text(), byFrequencyCaption);
        QCOMPARE(gridRows(grid(window)), alphabetical);
    }

    void texts()
    {
        ui::frmListe01 window("chat", nullptr);
        QCOMPARE(window.windowTitle(), QStringLiteral("Parvane Dorlesca - Liste du vocabulaire"));
        QCOMPARE(label(window, "Label1"), QStringLiteral("Liste du vocabulaire"));
        QCOMPARE(label(window, "Label5"), QStringLiteral("Liste du vocabulaire"));
        QCOMPARE(window.findChild<QGroupBox*>(QStringLiteral("Frame1"))->title(), QStringLiteral("Statistiques"));
        QCOMPARE(label(window, "Label2"), QStringLiteral("Nombre total de formes de l'extrait :"));
        QCOMPARE(label(window, "Label3"), QStringLiteral("Nombre total de formes différentes :"));
        QCOMPARE(label(window, "Label4"), QStringLiteral("Fréquence moyenne d'attestation :"));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("Label4"))->toolTip(),
                 QStringLiteral("Fréquence moyenne théorique d'attestation de chaque forme"));
    }

    void gridHeadersAndCells()
    {
        ui::frmListe01 window("le le chat", nullptr);
        const QAbstractItemModel* model = grid(window)->model();
        QCOMPARE(model->columnCount(), 2);
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Formes"));
        QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Nombre d'attestations"));
        QVERIFY(model->headerData(0, Qt::Horizontal, Qt::FontRole).value<QFont>().bold());
        QVERIFY(model->headerData(1, Qt::Horizontal, Qt::FontRole).value<QFont>().bold());
        const auto alignment = Qt::Alignment(model->index(0, 1).data(Qt::TextAlignmentRole).toInt());
        QVERIFY(alignment & Qt::AlignRight);

        // The counts column is at least 2000 twips wide.
        QVERIFY(grid(window)->columnWidth(1) >= 2000 * window.logicalDpiX() / twipsPerInch);
    }

    void menus()
    {
        ui::frmListe01 window("chat", nullptr);
        const QList<QAction*> bar = window.findChild<QMenuBar*>()->actions();
        QCOMPARE(bar.size(), 2);
        QCOMPARE(bar[0]->menu()->objectName(), QStringLiteral("fichier"));
        QCOMPARE(bar[0]->text(), QStringLiteral("&Fichier"));
        QCOMPARE(bar[1]->menu()->objectName(), QStringLiteral("aide"));
        QCOMPARE(bar[1]->text(), QStringLiteral("&Aide"));
        QCOMPARE(action(window, "imprimer")->text(), QStringLiteral("&Imprimer"));
        QVERIFY(!action(window, "imprimer")->isEnabled());
        QCOMPARE(action(window, "fermer")->text(), QStringLiteral("&Fermer"));
        QCOMPARE(action(window, "about")->text(), QStringLiteral("&A propos de"));
    }

    void fermerClosesTheModalWindow()
    {
        ui::frmListe01 window("chat", nullptr);
        QTimer::singleShot(0, &window, [&window] { action(window, "fermer")->trigger(); });
        window.exec();
        QVERIFY(!window.isVisible());
    }

    void aboutOpensTheAboutBoxOverTheWindow()
    {
        ui::frmListe01 window("chat", nullptr);
        QWidget* aboutParent = nullptr;
        test::closeNextModalWindow([&](QWidget* shown) {
            if (qobject_cast<ui::frmAbout*>(shown))
                aboutParent = shown->parentWidget();
        });
        action(window, "about")->trigger();
        QCOMPARE(aboutParent, &window);
    }

private:
    static QString label(const QWidget& window, const char* name)
    {
        return window.findChild<QLabel*>(QString::fromLatin1(name))->text();
    }

    static QAction* action(const QWidget& window, const char* name)
    {
        return window.findChild<QAction*>(QString::fromLatin1(name));
    }

    static QTableView* grid(const QWidget& window) { return window.findChild<QTableView*>(QStringLiteral("grille01")); }

    static QPushButton* button(const QWidget& window)
    {
        return window.findChild<QPushButton*>(QStringLiteral("Command1"));
    }
};

QTEST_MAIN(tst_frmListe01)
#include "tst_frmListe01.moc"
