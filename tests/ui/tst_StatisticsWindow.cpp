// The window commands every statistics window shares, the names its controls give a screen
// reader, the rules every window's menus follow, and the menu paths the manual quotes.
#include "core/corpus/corpus.h"
#include "core/statistics/all_statistics.h"
#include "tests/ui/ui_test_support.h"
#include "ui/HourglassCursor.h"
#include "ui/LoadedTextBox.h"
#include "ui/MessageBox.h"
#include "ui/PlainTextBox.h"
#include "ui/charts/chart_windows.h"
#include "ui/main/MainWindow.h"
#include "ui/shell/AboutBox.h"
#include "ui/stats/CollocatesWindow.h"
#include "ui/stats/ComparisonResultsWindow.h"
#include "ui/stats/ConcordanceWindow.h"
#include "ui/stats/CorpusWindow.h"
#include "ui/stats/DispersionWindow.h"
#include "ui/stats/SecondTextWindow.h"
#include "ui/stats/SpecificitiesWindow.h"
#include "ui/stats/StatisticsWindow.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <new>

using namespace quorvelle;

namespace {

/// A window whose computation runs out of memory while it loads, under the hourglass.
class ExhaustingWindow final : public ui::StatisticsWindow {
public:
    explicit ExhaustingWindow(QWidget* parent)
        : StatisticsWindow(LetterRule::Classic, parent)
    {
        const ui::HourglassCursor hourglass;
        throw std::bad_alloc();
    }
};

// A list, grid, combo box or result box of the window (not the inner list of a combo box).
bool isNamedControl(const QWidget* control)
{
    return !control->objectName().isEmpty()
        && (qobject_cast<const QAbstractItemView*>(control) || qobject_cast<const QComboBox*>(control)
            || qobject_cast<const ui::PlainTextBox*>(control));
}

// Every item of the menus, as the manual writes its path: "Statistiques › Composition des
// formes › Formes / caractères", and from a submenu on: "Composition des formes › Formes /
// caractères", as a table under the heading "Statistiques" does.
void addMenuPaths(const QList<QAction*>& actions, const QStringList& parents, QSet<QString>& paths)
{
    for (const QAction* action : actions) {
        if (action->isSeparator())
            continue;
        const QStringList path = parents + QStringList{action->text().remove(QLatin1Char('&'))};
        for (qsizetype first = 0; first + 1 < path.size(); ++first)
            paths << path.mid(first).join(QStringLiteral(" › "));
        if (action->menu())
            addMenuPaths(action->menu()->actions(), path, paths);
    }
}

// The access key a caption marks with "&", lower-cased, or a null character for none.
QChar accessKey(const QString& caption)
{
    const qsizetype at = caption.indexOf(QLatin1Char('&'));
    return at >= 0 && at + 1 < caption.size() ? caption[at + 1].toLower() : QChar();
}

// What breaks the rules of menus (a menu bar's, or a menu's items, named menuName, and their
// submenus): two items share an access key; "&Fichier" does not end with one separator and
// the item that closes the window, every other item ("&Exporter..." among them) above.
void addMenuFaults(const QList<QAction*>& menus, const QString& menuName, QStringList& faults)
{
    QMap<QChar, QStringList> byKey;
    for (const QAction* item : menus) {
        if (const QChar key = accessKey(item->text()); !key.isNull())
            byKey[key] << item->text();
        if (item->menu())
            addMenuFaults(item->menu()->actions(), item->menu()->objectName(), faults);
    }
    for (auto key = byKey.cbegin(); key != byKey.cend(); ++key)
        if (key->size() > 1)
            faults << QStringLiteral("%1: %2 for %3").arg(menuName, key.key(), key->join(QStringLiteral(", ")));
    if (menuName != QLatin1String("fileMenu"))
        return;
    const QString last = menus.isEmpty() ? QString() : menus.back()->objectName();
    if (menus.size() < 2 || std::ranges::find_if(menus, &QAction::isSeparator) != menus.end() - 2
        || (last != QLatin1String("quitAction") && last != QLatin1String("closeAction")))
        faults << QStringLiteral("fileMenu: not ended by a separator and the item that closes the window");
}

// The menu paths a manual page quotes: bold items joined by "›", or items joined by "›" in
// a table cell.
QStringList quotedMenuPaths(const QString& page)
{
    static const QRegularExpression boldPath(
        QStringLiteral("<b>[^<]+</b>(?:(?:\\s|&nbsp;)*›(?:\\s|&nbsp;)*<b>[^<]+</b>)+"));
    static const QRegularExpression cell(QStringLiteral("<td>([^<]*›[^<]*)</td>"));
    static const QRegularExpression cellPath(QStringLiteral("[^›(),]+(?:›[^›(),]+)+"));
    static const QRegularExpression separator(QStringLiteral("(?:\\s|&nbsp;)*›(?:\\s|&nbsp;)*"));
    QStringList quoted;
    for (const QRegularExpressionMatch& match : boldPath.globalMatch(page))
        quoted << match.captured().remove(QStringLiteral("<b>")).remove(QStringLiteral("</b>"));
    for (const QRegularExpressionMatch& match : cell.globalMatch(page))
        for (const QRegularExpressionMatch& path : cellPath.globalMatch(match.captured(1)))
            quoted << path.captured();
    for (QString& path : quoted)
        path = path.replace(separator, QStringLiteral(" › "))
                   .replace(QStringLiteral("&nbsp;"), QStringLiteral(" "))
                   .trimmed();
    return quoted;
}

} // namespace

class tst_StatisticsWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::setUpWindowTests(); }

    void accessibleNames_data()
    {
        QTest::addColumn<QString>("window");
        forEachStatistic([](auto statistic) {
            const StatisticInfo& info = decltype(statistic)::info;
            if (!info.menuItem.empty() && !info.needsSecondText)
                QTest::newRow(info.name.data()) << QString::fromUtf8(info.name);
        });
        QTest::newRow("second text") << "second text";
        QTest::newRow("comparison results") << "comparison results";
        QTest::newRow("concordance") << "concordance";
        QTest::newRow("collocates") << "collocates";
        QTest::newRow("dispersion") << "dispersion";
    }

    // Every list, grid, combo box and result box of every window is named for a screen
    // reader, by its heading where it has one.
    void accessibleNames()
    {
        QFETCH(QString, window);
        const std::unique_ptr<QWidget> shown = openWindow(window);
        for (const QLabel* label : shown->findChildren<QLabel*>())
            if (label->buddy() && isNamedControl(label->buddy()))
                QCOMPARE(label->buddy()->accessibleName(), label->text().remove(QLatin1Char('&')).trimmed());
        for (const QWidget* control : shown->findChildren<QWidget*>())
            if (isNamedControl(control))
                QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
    }

    void editionWithAListFocused_data()
    {
        QTest::addColumn<QString>("statistic");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("resultBox");
        const char* const rows[][3] = {{"lengths", "formCountList", "formsBox"},
                                       {"doubles", "occurrencesList", "formsBox"},
                                       {"frequencies", "frequencyList", "formsBox"},
                                       {"cooccurrences", "attestationCountList", "pairsBox"},
                                       {"sentences", "sentenceNumberList", "sentenceBox"}};
        for (const auto& [statistic, list, box] : rows)
            QTest::newRow(statistic) << QString::fromLatin1(statistic) << QString::fromLatin1(list)
                                     << QString::fromLatin1(box);
    }

    // The Edition commands act on the result box alone while a list has the focus: "Sélectionner
    // tout" then "Copier" copy the box, CR LF kept, not the rows of the list; "Supprimer"
    // empties the box and leaves the list as it was; "Coller" pastes into the box.
    void editionWithAListFocused()
    {
        QFETCH(QString, statistic);
        QFETCH(QString, list);
        QFETCH(QString, resultBox);
        const std::unique_ptr<QWidget> window =
            test::openStatisticWindow(statistic.toStdString(), "Elle appelle Bella. Le chat dort, le chat dort.");
        window->show();
        if (auto* keys = window->findChild<QComboBox*>(QStringLiteral("keyBox")))
            test::pickEntry(keys, keys->itemText(0));
        test::clickRow(*window, list, 0);
        auto* focused = test::child<QAbstractItemView>(*window, qPrintable(list));
        focused->setFocus();
        QCOMPARE(window->focusWidget(), focused);
        const QString listed = test::resultBox(*window, qPrintable(resultBox));
        QVERIFY(!listed.isEmpty());
        const int rows = focused->model()->rowCount();

        trigger(*window, "selectAllAction");
        trigger(*window, "copyAction");
        QCOMPARE(QGuiApplication::clipboard()->text(), listed);
        trigger(*window, "deleteAction");
        QVERIFY(test::resultBox(*window, qPrintable(resultBox)).isEmpty());
        QCOMPARE(focused->model()->rowCount(), rows);
        trigger(*window, "pasteAction");
        QCOMPARE(test::resultBox(*window, qPrintable(resultBox)), listed);
        // Nothing selected: the clipboard stays as it was.
        QGuiApplication::clipboard()->setText(QStringLiteral("avant"));
        trigger(*window, "copyAction");
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("avant"));
        QCOMPARE(window->focusWidget(), focused);
    }

    void quitClosesTheModalWindow()
    {
        const std::unique_ptr<QWidget> window = test::openStatisticWindow("lengths", "le chat");
        QTimer::singleShot(0, window.get(), [&window] { trigger(*window, "quitAction"); });
        qobject_cast<QDialog*>(window.get())->exec();
        QVERIFY(!window->isVisible());
    }

    // No crash, no window, one message, and the pointer back to default, whether the window
    // opens modal or beside the others.
    void openingReportsAComputationOutOfMemory()
    {
        ui::MessageBox::takeShownMessages();
        QWidget parent;
        ui::openModal<ExhaustingWindow>(&parent);
        QCOMPARE(ui::openModeless<ExhaustingWindow>(&parent), nullptr);
        const QList<ui::ShownMessage> shown = ui::MessageBox::takeShownMessages();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[1].title, QStringLiteral("Mémoire insuffisante"));
        QCOMPARE(parent.findChildren<QDialog*>().size(), 0);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    // Tab and Maj+Tab leave a result box for the window's other controls, as they leave a list;
    // the listing stays as it was.
    void tabLeavesTheResultBox()
    {
        const std::unique_ptr<QWidget> window = test::openStatisticWindow("frequencies", "le chat et le chien");
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto* box = test::child<ui::LoadedTextBox>(*window, "formsBox")->editor();
        const QString listed = box->text();
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Tab);
        QVERIFY(!box->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(box->hasFocus());
        QCOMPARE(box->text(), listed);
    }

    void aboutOpensTheAboutBox()
    {
        bool aboutShown = false;
        test::closeNextModalWindow([&](QWidget* window) { aboutShown = qobject_cast<ui::AboutBox*>(window); });
        trigger(*test::openStatisticWindow("lengths", "le chat"), "aboutAction");
        QVERIFY(aboutShown);
    }

    // In every window's menus, no two items of a menu share an access key, and "&Fichier" ends
    // with the item that closes the window, under a separator, "&Exporter..." above it. Every
    // menu path the manual quotes is one of these windows'.
    void menusAndTheManual()
    {
        std::vector<std::unique_ptr<QWidget>> windows;
        windows.push_back(std::make_unique<ui::MainWindow>());
        for (const char* name : {"second text", "comparison results", "concordance", "collocates", "dispersion"})
            windows.push_back(openWindow(QString::fromLatin1(name)));
        forEachStatistic([&windows](auto statistic) {
            const StatisticInfo& info = decltype(statistic)::info;
            if (!info.menuItem.empty() && !info.needsSecondText)
                windows.push_back(openWindow(QString::fromUtf8(info.name)));
        });
        const SharedText text = test::analysed("le chat");
        windows.push_back(std::make_unique<ui::SpecificitiesWindow>(
            text, text, SpecificitiesStatistic::report(AnalysedTexts(text, text)), nullptr));
        windows.push_back(std::make_unique<ui::LengthsChart>(std::span<const LengthChartRow>(), nullptr));
        windows.push_back(std::make_unique<ui::StartLettersChart>(std::span<const CountChartRow>(), nullptr));
        windows.push_back(std::make_unique<ui::EndLettersChart>(std::span<const CountChartRow>(), nullptr));
        windows.push_back(std::make_unique<ui::PositiveDeviationsChart>(std::span<const DeviationChartRow>(), nullptr));
        windows.push_back(std::make_unique<ui::NegativeDeviationsChart>(std::span<const DeviationChartRow>(), nullptr));
        windows.push_back(std::make_unique<ui::EnrichmentChart>(std::span<const CountChartRow>(), nullptr));
        windows.push_back(std::make_unique<ui::SpecificitiesChart>(std::span<const ScoreChartRow>(), nullptr));
        windows.push_back(std::make_unique<ui::ZipfChart>(zipfReport("le chat"), nullptr));
        const auto corpus = std::make_shared<const Corpus>(joinedCorpus({{"un", "le chat"}, {"deux", "le chien"}}));
        windows.push_back(std::make_unique<ui::CorpusWindow>(
            corpus, LetterRule::Classic,
            ui::CorpusWindow::analyse(*corpus, std::nullopt, LetterRule::Classic, CountingUnit::Forms, 1), nullptr));
        QSet<QString> menuPaths;
        QStringList faults;
        for (const auto& window : windows)
            for (const QMenuBar* bar : window->findChildren<QMenuBar*>()) {
                addMenuPaths(bar->actions(), {}, menuPaths);
                QStringList windowFaults;
                addMenuFaults(bar->actions(), QStringLiteral("menuBar"), windowFaults);
                for (const QString& fault : std::as_const(windowFaults))
                    faults << QString::fromLatin1(window->metaObject()->className()) + QLatin1Char(' ') + fault;
            }
        QCOMPARE(faults, QStringList());

        const QDir manual(QStringLiteral(":/help"));
        int quoted = 0;
        QStringList unknown;
        for (const QString& page : manual.entryList({QStringLiteral("*.html")})) {
            QFile file(manual.filePath(page));
            QVERIFY(file.open(QIODevice::ReadOnly));
            for (const QString& path : quotedMenuPaths(QString::fromUtf8(file.readAll()))) {
                if (!menuPaths.contains(path))
                    unknown << page + QStringLiteral(": ") + path;
                ++quoted;
            }
        }
        QVERIFY2(unknown.isEmpty(), qPrintable(unknown.join(QLatin1Char('\n'))));
        QVERIFY(quoted > 50);
    }

private:
    static void trigger(const QWidget& window, const char* name) { test::child<QAction>(window, name)->trigger(); }

    // The window named by accessibleNames' rows.
    static std::unique_ptr<QWidget> openWindow(const QString& name)
    {
        static constexpr std::string_view text = "Le chat dort.";
        const QByteArray bytes(text.data(), text.size());
        if (name == QLatin1String("second text"))
            return std::make_unique<ui::SecondTextWindow>(test::analysed(bytes), QString(), nullptr);
        if (name == QLatin1String("comparison results"))
            return test::openComparisonResults(bytes, bytes);
        if (name == QLatin1String("concordance"))
            return std::make_unique<ui::ConcordanceWindow>(
                test::analysed(bytes), concordance(text, "chat", ui::ConcordanceWindow::defaultContext), nullptr);
        if (name == QLatin1String("collocates"))
            return std::make_unique<ui::CollocatesWindow>(test::analysed(bytes), TextQuery{"chat"},
                                                          collocateReport(text, "chat"), nullptr);
        if (name == QLatin1String("dispersion"))
            return std::make_unique<ui::DispersionWindow>(
                std::vector<DispersionReport>(ui::DispersionWindow::partChoices.size(), dispersionReport(text, "chat")),
                nullptr);
        return test::openStatisticWindow(name.toStdString(), bytes);
    }
};

QTEST_MAIN(tst_StatisticsWindow)
#include "tst_StatisticsWindow.moc"
