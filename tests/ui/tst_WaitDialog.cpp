// The wait dialogs' hand-over, with a results window of the tests' own.
#include "tests/ui/ui_test_support.h"
#include "ui/shell/Dialog01.h"
#include "ui/shell/Dialog02.h"
#include "ui/message_box.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <functional>
#include <new>

using namespace quorvelle;

namespace {

ui::WaitDialog* visibleWaitDialog()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<ui::WaitDialog*>(window); dialog && dialog->isVisible())
            return dialog;
    }
    return nullptr;
}

bool anyWaitDialog()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (qobject_cast<ui::WaitDialog*>(window))
            return true;
    }
    return false;
}

bool hourglassShown()
{
    return QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
}

/// What the results window saw while it loaded and once it was shown.
struct Observations {
    bool loaded = false;
    QString messageWhileLoading;
    bool dialogExposedWhileLoading = false;
    bool hourglassWhileLoading = false;
    QWidget* parentOfWindow = nullptr;
    bool dialogGoneWhenShown = false;
    bool pointerRestoredWhenShown = false;
};

/// Loads like a statistics window (its computation in the constructor), then closes itself
/// as soon as it is shown.
class ProbeWindow final : public QDialog {
public:
    ProbeWindow(QWidget* caller, Observations& seen)
        : QDialog(caller)
        , seen_(seen)
    {
        const ui::WaitDialog* dialog = visibleWaitDialog();
        seen_.loaded = true;
        seen_.parentOfWindow = caller;
        seen_.messageWhileLoading = dialog ? dialog->findChild<QLabel*>(QStringLiteral("Label1"))->text() : QString();
        seen_.dialogExposedWhileLoading = dialog && dialog->windowHandle() && dialog->windowHandle()->isExposed();
        seen_.hourglassWhileLoading = hourglassShown();
    }

protected:
    void showEvent(QShowEvent* event) override
    {
        QDialog::showEvent(event);
        seen_.dialogGoneWhenShown = !visibleWaitDialog();
        seen_.pointerRestoredWhenShown = !QApplication::overrideCursor();
        QTimer::singleShot(0, this, &QDialog::accept);
    }

private:
    Observations& seen_;
};

using Launch = std::function<void(QWidget*, ui::WaitDialog::WindowLoader)>;

} // namespace

Q_DECLARE_METATYPE(Launch)

class tst_WaitDialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::setUpWindowTests(); }

    void handOver_data()
    {
        QTest::addColumn<Launch>("launch");
        QTest::newRow("Dialog01") << Launch(&ui::WaitDialog::launch<ui::Dialog01>);
        QTest::newRow("Dialog02") << Launch(&ui::WaitDialog::launch<ui::Dialog02>);
    }

    void handOver()
    {
        QFETCH(Launch, launch);
        QWidget caller;
        caller.show();
        Observations seen;
        launch(&caller, [&seen](QWidget* parent) { return std::make_unique<ProbeWindow>(parent, seen); });

        QVERIFY(seen.loaded);
        QCOMPARE(seen.messageWhileLoading, QStringLiteral("Veuillez patienter, l'exécution est en cours ..."));
        QVERIFY(seen.dialogExposedWhileLoading);
        QVERIFY(seen.hourglassWhileLoading);
        QCOMPARE(seen.parentOfWindow, &caller);
        QVERIFY(seen.dialogGoneWhenShown);
        QVERIFY(seen.pointerRestoredWhenShown);
        // Back with the caller: no dialog left behind, the default pointer.
        QVERIFY(!anyWaitDialog());
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    void computationOutOfMemoryIsReportedAfterTheDialog()
    {
        QWidget caller;
        ui::MessageBox::takeShownMessages();
        ui::WaitDialog::launch<ui::Dialog01>(&caller, [](QWidget*) -> std::unique_ptr<QDialog> {
            const ui::HourglassCursor hourglass;
            throw std::bad_alloc();
        });
        QCOMPARE(ui::MessageBox::takeShownMessages().value(0).title, QStringLiteral("Mémoire insuffisante"));
        QVERIFY(!anyWaitDialog());
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }
};

QTEST_MAIN(tst_WaitDialog)
#include "tst_WaitDialog.moc"
