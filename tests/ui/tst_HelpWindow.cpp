// The bundled manual and the help window that shows it.
#include "tests/ui/ui_test_support.h"
#include "ui/shell/HelpWindow.h"

#include <QDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>

using namespace quorvelle;

namespace {

const QStringList manualFiles = {
    "caracteres-mots.html", "comparaison.html", "cooccurrences.html", "debut-fin.html", "demarrer.html",
    "edition.html", "enrichissement.html", "frequences.html", "graphiques.html", "index.html",
    "lettres.html", "longueurs.html", "phrases.html", "recurrences.html", "redoublees.html",
    "style.css", "vocabulaire.html"};

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

} // namespace

class tst_HelpWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::setUpWindowTests(); }

    void manualIsBundled()
    {
        QStringList bundled = QDir(QStringLiteral(":/help")).entryList(QDir::Files);
        bundled.sort();
        QCOMPARE(bundled, manualFiles);
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
};

QTEST_MAIN(tst_HelpWindow)
#include "tst_HelpWindow.moc"
