// The application shell: the about box, the help window over the bundled manual, and the
// wait dialog's hand-over (with a results window of the tests' own).
#include "tests/ui/ui_test_support.h"
#include "ui/MessageBox.h"
#include "ui/shell/AboutBox.h"
#include "ui/shell/HelpWindow.h"
#include "ui/shell/WaitDialog.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>

#include <new>

using namespace quorvelle;
using ui::MessageBox;

namespace {

const QStringList manualFiles = {"caracteres-mots.html", "comparaison.html", "cooccurrences.html",  "debut-fin.html",
                                 "demarrer.html",        "edition.html",     "enrichissement.html", "frequences.html",
                                 "graphiques.html",      "index.html",       "lettres.html",        "longueurs.html",
                                 "phrases.html",         "recurrences.html", "redoublees.html",     "style.css",
                                 "vocabulaire.html"};

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

/// Loads like a statistics window (its computation in the constructor), notes what it sees
/// then and once shown, and closes itself as soon as it is shown.
class ProbeWindow final : public QDialog {
public:
    ProbeWindow(QWidget* caller, QStringList& seen)
        : QDialog(caller)
        , seen_(seen)
    {
        const ui::WaitDialog* dialog = visibleWaitDialog();
        seen_ << (dialog ? dialog->findChild<QLabel*>(QStringLiteral("messageLabel"))->text() : "no wait dialog")
              << (dialog && dialog->windowHandle() && dialog->windowHandle()->isExposed() ? "dialog exposed"
                                                                                          : "dialog not exposed")
              << (hourglassShown() ? "hourglass" : "no hourglass");
    }

protected:
    void showEvent(QShowEvent* event) override
    {
        QDialog::showEvent(event);
        seen_ << (visibleWaitDialog() ? "dialog left" : "dialog gone")
              << (QApplication::overrideCursor() ? "pointer not restored" : "pointer restored");
        QTimer::singleShot(0, this, &QDialog::accept);
    }

private:
    QStringList& seen_;
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

    // The contents page links every page, every link between pages leads to a bundled page,
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

        for (const QString& file : manualFiles) {
            if (!file.endsWith(QLatin1String(".html")))
                continue;
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

    // The wait dialog shows, exposed, under the hourglass while the window loads over the
    // caller, and is gone with the pointer restored once the window shows.
    void handOver()
    {
        QWidget caller;
        caller.show();
        QStringList seen;
        QWidget* parent = nullptr;
        ui::WaitDialog::launch(&caller, [&](QWidget* loadedOver) {
            parent = loadedOver;
            return std::make_unique<ProbeWindow>(loadedOver, seen);
        });
        QCOMPARE(seen,
                 QStringList({"Veuillez patienter, l'exécution est en cours ...", "dialog exposed", "hourglass",
                              "dialog gone", "pointer restored"}));
        QCOMPARE(parent, &caller);
        // Back with the caller: no dialog left behind, the default pointer.
        QVERIFY(!anyWaitDialog());
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    void computationOutOfMemoryIsReportedAfterTheDialog()
    {
        QWidget caller;
        ui::MessageBox::takeShownMessages();
        ui::WaitDialog::launch(&caller, [](QWidget*) -> std::unique_ptr<QDialog> {
            const ui::HourglassCursor hourglass;
            throw std::bad_alloc();
        });
        QCOMPARE(ui::MessageBox::takeShownMessages().value(0).title, QStringLiteral("Mémoire insuffisante"));
        QVERIFY(!anyWaitDialog());
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

private:
    QByteArray savedPath_;
};

QTEST_MAIN(tst_shell)
#include "tst_shell.moc"
