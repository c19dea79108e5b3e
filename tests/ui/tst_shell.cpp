// The application shell: the about box, the help window over the bundled manual, and the
// wait dialog over work done off the interface thread.
#include "core/text/work_cancellation.h"
#include "tests/ui/ui_test_support.h"
#include "ui/HelpWindow.h"
#include "ui/MessageBox.h"
#include "ui/TextAnalysis.h"
#include "ui/WaitDialog.h"
#include "ui/cancellable_work.h"
#include "ui/shell/AboutBox.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>

#include <QPromise>
#include <QtConcurrent>

#include <atomic>
#include <chrono>
#include <memory>
#include <new>
#include <optional>
#include <thread>
#include <vector>

using namespace quorvelle;
using ui::MessageBox;

namespace {

QStringList pageLinks(const QTextDocument* document)
{
    QStringList links;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QString href = fragment.fragment().charFormat().anchorHref();
            if (!href.isEmpty() && !links.contains(href))
                links << href;
        }
    }
    return links;
}

bool isManualPage(const QString& link)
{
    const QUrl url(link);
    return url.isRelative() && url.path().endsWith(QLatin1String(".html"));
}

// The wait dialog among the top-level windows, shown or hidden; null once none is left.
ui::WaitDialog* waitDialog()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<ui::WaitDialog*>(window))
            return dialog;
    }
    return nullptr;
}

// Work that runs until it is released, off the interface thread.
struct HeldWork {
    QPromise<int> promise;
    QFuture<int> future = promise.future();

    HeldWork() { promise.start(); }
    void release()
    {
        promise.addResult(1);
        promise.finish();
    }
};

// A report slow enough to be given up: it holds a buffer and checks whether it is given up
// until it is, or until a bound that only a fault lets it reach, so that the suite cannot hang.
struct SlowReport {
    static constexpr std::chrono::seconds safetyBound{30};
    static constexpr std::size_t heldBytes = std::size_t{1} << 20;

    std::weak_ptr<const std::vector<char>> held;
    std::atomic<bool> holding = false;
    std::atomic<bool> givenUp = false;

    int compute()
    {
        const auto buffer = std::make_shared<const std::vector<char>>(heldBytes);
        held = buffer;
        holding = true;
        const auto bound = std::chrono::steady_clock::now() + safetyBound;
        try {
            while (std::chrono::steady_clock::now() < bound) {
                stopIfCancelled();
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        } catch (const WorkCancelled&) {
            givenUp = true;
            throw;
        }
        return static_cast<int>(buffer->size());
    }
};

} // namespace

class tst_shell : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        test::setUpWindowTests();
        savedPath_ = qgetenv("PATH");
    }

    void cleanup() { qputenv("PATH", savedPath_); }

    void systemInformation_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("started");
        QTest::newRow("none") << QStringList() << QString();
        QTest::newRow("hardinfo") << QStringList{"hardinfo"} << "hardinfo";
        QTest::newRow("first one wins") << QStringList({"kinfocenter", "hardinfo"}) << "kinfocenter";
    }

    // The tools looked for on PATH are replaced by scripts that leave a mark when started
    // (with nothing else on PATH, the script uses only the shell).
    void systemInformation()
    {
        QFETCH(QStringList, installed);
        QFETCH(QString, started);
        QTemporaryDir tools;
        for (const QString& tool : installed) {
            const QString mark = tools.filePath(tool + QStringLiteral(".started"));
            const QString script =
                test::writeFile(tools, tool, QStringLiteral("#!/bin/sh\n: > '%1'\n").arg(mark).toUtf8());
            QFile::setPermissions(script, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        }
        qputenv("PATH", QFile::encodeName(tools.path()));
        MessageBox::takeShownMessages();

        ui::AboutBox about(nullptr);
        QTest::mouseClick(test::child<QPushButton>(about, "systemInfoButton"), Qt::LeftButton);

        const QList<ui::ShownMessage> shown = MessageBox::takeShownMessages();
        if (started.isEmpty()) {
            QCOMPARE(shown.size(), 1);
            QCOMPARE(shown[0].title, QStringLiteral("Quorvelle"));
            QCOMPARE(shown[0].text, QStringLiteral("Les informations système ne sont pas disponibles actuellement"));
            QCOMPARE(shown[0].buttons, QMessageBox::Ok);
            QCOMPARE(shown[0].icon, QMessageBox::NoIcon);
            return;
        }
        QVERIFY(shown.isEmpty());
        QTRY_VERIFY(QFile::exists(tools.filePath(started + QStringLiteral(".started"))));
        for (const QString& tool : installed) {
            if (tool != started)
                QVERIFY(!QFile::exists(tools.filePath(tool + QStringLiteral(".started"))));
        }
    }

    // The contents page links every bundled page, every link between pages leads to one,
    // and back navigation works.
    void links()
    {
        ui::HelpWindow window(nullptr);
        window.showContents();
        auto* browser = window.findChild<QTextBrowser*>(QStringLiteral("helpBrowser"));
        QCOMPARE(browser->source(), QUrl(QStringLiteral("qrc:/help/index.html")));
        QVERIFY(!browser->documentTitle().isEmpty());
        QStringList linkedFromContents;
        for (const QString& link : pageLinks(browser->document()))
            linkedFromContents << QUrl(link).path();

        const QStringList pages = QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")});
        QVERIFY(pages.size() > 10);
        for (const QString& file : pages) {
            QVERIFY2(file == QLatin1String("index.html") || linkedFromContents.contains(file), qPrintable(file));
            browser->setSource(QUrl(QStringLiteral("qrc:/help/") + file));
            QVERIFY2(!browser->toPlainText().trimmed().isEmpty(), qPrintable(file));
            for (const QString& link : pageLinks(browser->document()))
                QVERIFY2(!isManualPage(link) || QFile::exists(QStringLiteral(":/help/") + QUrl(link).path()),
                         qPrintable(file + " -> " + link));
        }
        window.showContents();
        browser->setSource(QUrl(QStringLiteral("qrc:/help/vocabulaire.html")));
        auto* back = window.findChild<QToolButton*>(QStringLiteral("backButton"));
        QVERIFY(back->isEnabled());
        QTest::mouseClick(back, Qt::LeftButton);
        QCOMPARE(browser->source(), QUrl(QStringLiteral("qrc:/help/index.html")));
    }

    // Work done within a glance shows no dialog; longer work shows it, exposed, with "Annuler",
    // until the work ends; the pointer comes back either way.
    void waitingForWork()
    {
        QWidget caller;
        caller.show();
        HeldWork quick;
        QTimer::singleShot(ui::WaitDialog::showAfterMs / 3, [&quick] { quick.release(); });
        QCOMPARE(ui::resultAfterWaiting(&caller, quick.future), std::optional(1));
        QVERIFY(!waitDialog());

        HeldWork slow;
        QPromise<void> measured; // the part of the work that tells how far it has gone
        measured.start();
        measured.setProgressRange(0, 4);
        measured.setProgressValue(1);
        QStringList seen;
        QTimer::singleShot(ui::WaitDialog::showAfterMs * 2, [&] {
            const ui::WaitDialog* dialog = waitDialog();
            seen << (dialog && dialog->isVisible() && dialog->windowHandle()->isExposed() ? "dialog exposed"
                                                                                          : "no dialog");
            if (dialog) {
                const auto* bar = dialog->findChild<QProgressBar*>(QStringLiteral("progressBar"));
                seen << dialog->findChild<QPushButton*>(QStringLiteral("cancelButton"))->text()
                     << QStringLiteral("%1/%2").arg(bar->value()).arg(bar->maximum());
            }
            measured.finish();
            slow.release();
        });
        QCOMPARE(ui::resultAfterWaiting(&caller, slow.future, measured.future()), std::optional(1));
        QCOMPARE(seen, QStringList({"dialog exposed", "Annuler", "1/4"}));
        QVERIFY(!waitDialog());
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    void cancellingTheWork_data()
    {
        QTest::addColumn<bool>("onceAnalysed");
        QTest::newRow("run at once") << false;
        QTest::newRow("run once the text is analysed") << true;
    }

    // "Annuler" gives the work up: no result, no dialog left, and the work stops at its next
    // check, letting go of what it held, whichever way a window started it.
    void cancellingTheWork()
    {
        QFETCH(bool, onceAnalysed);
        QWidget caller;
        caller.show();
        SlowReport slow;
        bool holdingWhenCancelled = false;
        QTimer::singleShot(ui::WaitDialog::showAfterMs * 2, [&] {
            holdingWhenCancelled = slow.holding;
            if (const ui::WaitDialog* dialog = waitDialog(); dialog && dialog->isVisible())
                QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cancelButton")), Qt::LeftButton);
        });
        const QFuture<int> work = onceAnalysed
            ? ui::computeWhenAnalysed([&slow](const SharedText&) { return slow.compute(); },
                                      QtFuture::makeReadyFuture(test::analysed("Le texte.")))
            : ui::runCancellable([&slow] { return slow.compute(); });
        QCOMPARE(ui::resultAfterWaiting(&caller, work), std::nullopt);
        QVERIFY(!waitDialog());
        QCOMPARE(QApplication::overrideCursor(), nullptr);

        QFuture<int>(work).waitForFinished();
        QVERIFY(holdingWhenCancelled);
        QVERIFY(slow.givenUp);
        QVERIFY(slow.held.expired());
        QCOMPARE(work.resultCount(), 0);
    }

    // Work that runs out of memory, even wrapped by QtConcurrent, is said in French.
    void workOutOfMemory()
    {
        QWidget caller;
        MessageBox::takeShownMessages();
        QCOMPARE(ui::resultAfterWaiting(&caller, QtConcurrent::run([]() -> int { throw std::bad_alloc(); })),
                 std::nullopt);
        QCOMPARE(MessageBox::takeShownMessages().value(0).title, QStringLiteral("Mémoire insuffisante"));
    }

private:
    QByteArray savedPath_;
};

QTEST_MAIN(tst_shell)
#include "tst_shell.moc"
