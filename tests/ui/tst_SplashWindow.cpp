// The splash window hands over to one main window: by its timer, a key or a click.
#include "tests/ui/ui_test_support.h"
#include "ui/main/MainWindow.h"
#include "ui/shell/SplashWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTest>

using namespace quorvelle;

namespace {

constexpr int splashMs = 3000;
constexpr int patienceMs = splashMs + 2000;

int mainWindowCount()
{
    int count = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        count += qobject_cast<ui::MainWindow*>(window) && window->isVisible() ? 1 : 0;
    return count;
}

} // namespace

class tst_SplashWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::setUpWindowTests(); }

    void init()
    {
        handOvers_ = 0;
        splash_ = new ui::SplashWindow([this] {
            ++handOvers_;
            // The splash window is already gone when the main window is loaded.
            splashGoneAtHandOver_ = !splash_->isVisible();
            auto* form = new ui::MainWindow;
            form->setAttribute(Qt::WA_DeleteOnClose);
            form->show();
        });
        splash_->show();
        sinceSplash_.start();
    }

    void cleanup()
    {
        delete splash_;
        // Collected first: deleting a main window deletes its menus, top-level widgets too.
        QList<ui::MainWindow*> mainWindows;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* form = qobject_cast<ui::MainWindow*>(window))
                mainWindows << form;
        }
        qDeleteAll(mainWindows);
    }

    void timerHandsOverAfterThreeSeconds()
    {
        QTRY_COMPARE_WITH_TIMEOUT(handOvers_, 1, patienceMs);
        // Not before its time (a coarse timer may fire a few percent early).
        QVERIFY(sinceSplash_.elapsed() >= splashMs * 9 / 10);
        QVERIFY(splashGoneAtHandOver_);
        QTRY_VERIFY(splash_.isNull());
        QCOMPARE(mainWindowCount(), 1);
    }

    // A key hands over at once, and the time running out later opens no second window.
    void keyHandsOverOnce()
    {
        QTest::keyClick(splash_, Qt::Key_Space);
        QCOMPARE(handOvers_, 1);
        QVERIFY(splashGoneAtHandOver_);
        QTRY_VERIFY(splash_.isNull());
        QTest::qWait(splashMs + 200);
        QCOMPARE(handOvers_, 1);
        QCOMPARE(mainWindowCount(), 1);
    }

    void clicks_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("handsOver");
        for (const char* control :
             {"frame", "pagePicture", "logo", "title", "versionLabel", "platformLabel", "productLabel"})
            QTest::newRow(control) << QString::fromLatin1(control) << true;
        QTest::newRow("titleShadow") << "titleShadow" << false;
        QTest::newRow("footerLabel") << "footerLabel" << false;
        QTest::newRow("bare window") << "" << false;
    }

    void clicks()
    {
        QFETCH(QString, control);
        QFETCH(bool, handsOver);
        QWidget* widget = control.isEmpty() ? splash_.data() : splash_->findChild<QWidget*>(control);
        QVERIFY(widget);
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(handOvers_, handsOver ? 1 : 0);
        if (handsOver) {
            QTRY_VERIFY(splash_.isNull());
            QCOMPARE(mainWindowCount(), 1);
        } else {
            QVERIFY(splash_->isVisible());
        }
    }

private:
    QPointer<ui::SplashWindow> splash_;
    QElapsedTimer sinceSplash_;
    int handOvers_ = 0;
    bool splashGoneAtHandOver_ = false;
};

QTEST_MAIN(tst_SplashWindow)
#include "tst_SplashWindow.moc"
