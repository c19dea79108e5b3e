// The rows and columns a window declares, as laid out, and its declared menu items. What
// each real window shows is checked by the window tests.
#include "ui/menus.h"
#include "ui/window_declaration.h"

#include <QAction>
#include <QBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QTest>

using namespace quorvelle;

class tst_window_declaration : public QObject {
    Q_OBJECT
private slots:
    // Items keep their order and stretch factors; a nested line keeps its direction; blank
    // space is a spacer of its factor or size.
    void rowsAndColumnsLayOutTheirItems()
    {
        QWidget frame;
        auto* first = new QLabel(&frame);
        auto* second = new QLabel(&frame);
        auto* third = new QLabel(&frame);
        ui::Row{{first, 3}, {ui::Column{second, ui::Spacing{12}, third}, 2}, ui::Stretch{1}}.attachTo(&frame);

        auto* row = qobject_cast<QBoxLayout*>(frame.layout());
        QVERIFY(row);
        QCOMPARE(row->direction(), QBoxLayout::LeftToRight);
        QCOMPARE(row->count(), 3);
        QCOMPARE(row->itemAt(0)->widget(), first);
        QCOMPARE(row->stretch(0), 3);
        QCOMPARE(row->stretch(1), 2);
        QCOMPARE(row->stretch(2), 1);
        QVERIFY(row->itemAt(2)->spacerItem());

        auto* column = qobject_cast<QBoxLayout*>(row->itemAt(1)->layout());
        QVERIFY(column);
        QCOMPARE(column->direction(), QBoxLayout::TopToBottom);
        QCOMPARE(column->itemAt(0)->widget(), second);
        QCOMPARE(column->itemAt(1)->spacerItem()->sizeHint().height(), 12);
        QCOMPARE(column->itemAt(2)->widget(), third);
    }

    // A declared item goes above the closing item, is kept where asked, and does what it says.
    void menuItemsAreAddedAboveTheClosingItem()
    {
        QMenu menu;
        ui::addClosingItem(&menu);
        QAction* kept = nullptr;
        int triggered = 0;
        ui::addMenuItems(&menu, {{"printAction", QStringLiteral("&Imprimer"), [&triggered] { ++triggered; }, &kept}},
                         &menu);

        QVERIFY(kept);
        QCOMPARE(menu.actions().first(), kept);
        QCOMPARE(menu.actions().last()->objectName(), QStringLiteral("quitAction"));
        kept->trigger();
        QCOMPARE(triggered, 1);
    }
};

QTEST_MAIN(tst_window_declaration)
#include "tst_window_declaration.moc"
