// How the desktop windows hold up on multi-megabyte texts: loading a text into the main
// window, reading it back for a statistic, opening each statistics window, the clicks that
// answer slowest in each, the frequency charts, and printing the vocabulary.
// Run: build-bench/bench/desktop_bench -platform offscreen
#include "bench/french_like_text.h"
#include "bench/marked_corpus.h"
#include "core/reports/frequency_report.h"
#include "core/statistics/all_statistics.h"
#include "ui/LoadedTextBox.h"
#include "ui/MessageBox.h"
#include "ui/PlainTextBox.h"
#include "ui/TextView.h"
#include "ui/WaitDialog.h"
#include "ui/application.h"
#include "ui/charts/chart_windows.h"
#include "ui/main/MainWindow.h"
#include "ui/main/statistic_windows.h"
#include "ui/printing.h"
#include "ui/stats/ComparisonResultsWindow.h"
#include "ui/stats/ConcordanceWindow.h"
#include "ui/stats/CorpusWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <utility>

using namespace quorvelle;

// Watches the turns of the event loop from its construction: the longest wait between two,
// each turn told to onTurn with the time since the start.
class EventLoopTurns {
public:
    explicit EventLoopTurns(std::function<void(qint64 elapsed)> onTurn = {})
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this, onTurn = std::move(onTurn)] {
            const qint64 now = clock_.elapsed();
            longestWait_ = std::max(longestWait_, now - lastTurn_);
            lastTurn_ = now;
            if (onTurn)
                onTurn(now);
        });
        clock_.start();
        timer_.start();
    }
    qint64 longestWait() const { return longestWait_; }
    qint64 elapsed() const { return clock_.elapsed(); }

private:
    QElapsedTimer clock_;
    QTimer timer_;
    qint64 lastTurn_ = 0;
    qint64 longestWait_ = 0;
};

class desktop_bench : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        ui::initResources();
        // A large file asks its question; the benchmark answers Yes every time.
        ui::MessageBox::answerInsteadOfUser();
        QVERIFY(files_.isValid());
    }

    void openText_data()
    {
        QTest::addColumn<QString>("path");
        for (const std::size_t bytes : {std::size_t{1'000'000}, std::size_t{10'000'000}, std::size_t{100'000'000}}) {
            const QString path = files_.filePath(QStringLiteral("%1.txt").arg(bytes));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            const std::string text = bench::generateFrenchLikeText(bytes);
            file.write(text.data(), static_cast<qint64>(text.size()));
            QTest::newRow(qPrintable(QStringLiteral("%1 bytes").arg(bytes))) << path;
        }
        // The same 10 MB with every line end made a blank: one line.
        std::string text = bench::generateFrenchLikeText(10'000'000);
        std::ranges::replace(text, '\r', ' ');
        std::ranges::replace(text, '\n', ' ');
        const QString oneLine = files_.filePath(QStringLiteral("one-line.txt"));
        QFile file(oneLine);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text.data(), static_cast<qint64>(text.size()));
        QTest::newRow("10000000 bytes on one line") << oneLine;
    }

    void openText()
    {
        QFETCH(QString, path);
        ui::MainWindow mainWindow;
        mainWindow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
        // Each opening is painted, as the user sees it.
        QBENCHMARK {
            ui::MessageBox::setNextAnswer(QMessageBox::Yes);
            mainWindow.openTextFile(path);
            mainWindow.repaint();
        }
    }

    void showWholeText_data() { openText_data(); }

    // Opening, then the whole text ready to be scrolled through: every portion in the
    // editable box, every line found by the view of a long text.
    void showWholeText()
    {
        QFETCH(QString, path);
        ui::MainWindow mainWindow;
        mainWindow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
        auto* box = mainWindow.findChild<ui::LoadedTextBox*>(QStringLiteral("textBox"));
        QBENCHMARK {
            ui::MessageBox::setNextAnswer(QMessageBox::Yes);
            mainWindow.openTextFile(path);
            box->editor()->completeText();
            box->view()->selectWholeText();
        }
    }

    void memoryWithWindows_data() { openText_data(); }

    // Not timed: the program's memory once a text is opened, shown and analysed in the main
    // window, then its peak while the vocabulary, co-occurrences and enrichment windows are
    // opened over it in turn, each closed before the next; printed beside the file's size.
    void memoryWithWindows()
    {
        QFETCH(QString, path);
        ui::MainWindow mainWindow;
        mainWindow.show();
        ui::MessageBox::setNextAnswer(QMessageBox::Yes);
        mainWindow.openTextFile(path);
        const SharedText text = mainWindow.analysis().result();
        QTest::qWait(100); // the view indexes its lines in the turns of the event loop
        const qint64 loaded = memoryKib("VmRSS:");
        resetPeakMemory();
        for (const char* name : {"vocabulary", "cooccurrences", "enrichment"}) {
            const std::unique_ptr<QWidget> window = openWindow(QString::fromLatin1(name), text);
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        }
        qInfo("%lld MiB once loaded, at most %lld MiB with the windows, for a file of %lld MiB", loaded / 1024,
              memoryKib("VmHWM:") / 1024, QFileInfo(path).size() >> 20);
    }

    void analysis_data() { openText_data(); }

    // The analysis that every window starts from, done off the interface thread once a text is
    // opened: here timed on its own.
    void analysis()
    {
        QFETCH(QString, path);
        const auto bytes = mainWindowWithText(path)->analysis().result()->text();
        QBENCHMARK {
            analyseText(std::make_shared<const std::string>(bytes));
        }
    }

    void vocabularyList_data() { openText_data(); }

    // The report and the window over an analysed text.
    void vocabularyList()
    {
        QFETCH(QString, path);
        const SharedText text = mainWindowWithText(path)->analysis().result();
        QBENCHMARK {
            ui::VocabularyWindow window(text, VocabularyStatistic::report(AnalysedTexts(text)), nullptr);
        }
    }

    void filterVocabulary_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("a first letter, and none") << QStringLiteral("c");
        QTest::newRow("a third letter, and two") << QStringLiteral("cit");
        QTest::newRow("a pattern") << QStringLiteral("*oi*");
        QTest::newRow("two forms in a row") << QStringLiteral("de l");
    }

    // One keystroke in the vocabulary's filter box, on the 100 MB text: each iteration types the
    // last letter of typed or takes it back, and the grid shows the rows that answer.
    void filterVocabulary()
    {
        QFETCH(QString, typed);
        const SharedText text = mainWindowWithText(generatedFile(100'000'000))->analysis().result();
        ui::VocabularyWindow window(text, VocabularyStatistic::report(AnalysedTexts(text)), nullptr);
        auto* filterBox = window.findChild<QLineEdit*>(QStringLiteral("filterBox"));
        QVERIFY(filterBox);
        int keystroke = 0;
        QBENCHMARK {
            filterBox->setText(++keystroke % 2 == 1 ? typed : typed.chopped(1));
        }
    }

    void statisticsWindow_data()
    {
        statisticsClick_data();
        QTest::newRow("richness") << QStringLiteral("richness");
    }

    // Loading the window (report and lists) on the analysed 10 MB text; the concordance of "de".
    void statisticsWindow()
    {
        QFETCH(QString, window);
        const SharedText& text = largeText();
        QBENCHMARK {
            openWindow(window, text);
        }
    }

    void interfaceLatency_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("analysedFirst");
        QTest::addColumn<std::size_t>("bytes");
        forEachStatistic([](auto statistic) {
            const StatisticInfo& info = decltype(statistic)::info;
            if (!info.menuItem.empty() && !info.needsSecondText)
                for (const bool analysedFirst : {false, true})
                    QTest::newRow(qPrintable(QString::fromUtf8(info.name) + (analysedFirst ? " once analysed" : "")))
                        << QString::fromUtf8(info.name) << analysedFirst << largeTextBytes;
        });
        // The heaviest windows on 100 MB, once the text is analysed.
        for (const char* name : {"vocabulary", "cooccurrences", "sentences", "enrichment", "richness"})
            QTest::newRow(qPrintable(QStringLiteral("%1 at 100 MB once analysed").arg(QLatin1String(name))))
                << QString::fromLatin1(name) << true << std::size_t{100'000'000};
    }

    // Not timed by QBENCHMARK: a generated file opened and a statistic chosen from the menu at
    // once, as a user does, or once the text is analysed. Printed: when its window shows (the
    // analysis, the report, the window) and the longest the interface went without a turn of
    // its event loop meanwhile.
    void interfaceLatency()
    {
        QFETCH(QString, name);
        QFETCH(bool, analysedFirst);
        QFETCH(std::size_t, bytes);
        const auto mainWindow = mainWindowWithText(generatedFile(bytes));
        mainWindow->show();
        if (analysedFirst)
            mainWindow->analysis().waitForFinished();
        qint64 shownAfter = 0;
        const EventLoopTurns turns([&](qint64 elapsed) {
            if (QWidget* window = QApplication::activeModalWidget(); window && !ui::WaitDialog::waiting()) {
                shownAfter = elapsed;
                window->close();
            }
        });
        mainWindow->findChild<QAction*>(name + QStringLiteral("Action"))->trigger();
        qInfo("window shown after %lld ms, the interface at most %lld ms without a turn", shownAfter,
              turns.longestWait());
    }

    // Not timed by QBENCHMARK: the 100 MB file opened in the main window, its size question
    // answered, until its analysis has finished. Printed: the longest the interface went
    // without a turn of its event loop meanwhile.
    void loadingLatency()
    {
        ui::MainWindow mainWindow;
        mainWindow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
        const QString path = generatedFile(100'000'000);
        const EventLoopTurns turns;
        ui::MessageBox::setNextAnswer(QMessageBox::Yes);
        mainWindow.openTextFile(path);
        const QFuture<SharedText> analysis = mainWindow.analysis();
        while (!analysis.isFinished())
            QTest::qWait(5);
        qInfo("opened and analysed after %lld ms, the interface at most %lld ms without a turn", turns.elapsed(),
              turns.longestWait());
    }

    void statisticsClick_data()
    {
        // The vocabulary has its own measures; the richness window has nothing to click.
        QTest::addColumn<QString>("window");
        forEachStatistic([](auto statistic) {
            const StatisticInfo& info = decltype(statistic)::info;
            if (!info.menuItem.empty() && info.name != VocabularyStatistic::info.name
                && info.name != RichnessStatistic::info.name)
                QTest::newRow(info.name.data()) << QString::fromUtf8(info.name);
        });
        QTest::newRow("comparison results") << QStringLiteral("comparison results");
        QTest::newRow("concordance") << QStringLiteral("concordance");
    }

    // The slowest answer of each window on the 10 MB text: a sort (lengths, concordance), the most
    // frequent key picked with its first row listed, the forms beginning with "d", the
    // forms attested once, every co-occurrence, a sentence, the first slice, the forms of the
    // first text only, or loading the second text.
    void statisticsClick()
    {
        QFETCH(QString, window);
        const auto shown = openWindow(window, largeText());
        shown->show();
        QBENCHMARK {
            clickSlowest(window, *shown);
            QCoreApplication::processEvents();
        }
    }

    void frequencyChart_data()
    {
        QTest::addColumn<bool>("positive");
        QTest::newRow("positive deviations") << true;
        QTest::newRow("negative deviations") << false;
    }

    // A chart of the frequency spectrum of the 10 MB text, opened and painted on its chart tab.
    void frequencyChart()
    {
        QFETCH(bool, positive);
        std::vector<DeviationChartRow> rows;
        for (const FrequencyRow& row : frequencyReport(largeText()->text()).rows)
            rows.push_back({row.frequency, row.formCount, row.deviation});
        QBENCHMARK {
            std::unique_ptr<QWidget> chart;
            if (positive)
                chart = std::make_unique<ui::PositiveDeviationsChart>(rows, nullptr);
            else
                chart = std::make_unique<ui::NegativeDeviationsChart>(rows, nullptr);
            chart->findChild<QTabWidget*>(QStringLiteral("tabs"))->setCurrentIndex(0);
            chart->show();
            QCoreApplication::processEvents();
            chart->repaint();
        }
    }

    // The vocabulary of the 10 MB text printed to a PDF file, in alphabetical order.
    // A 10 MB corpus of fifty parts opened in the main window, its text painted, then its
    // window computed and shown, as "Ouvrir un corpus..." then "Le corpus et ses parties" do.
    void openCorpus()
    {
        const QString path = files_.filePath(QStringLiteral("corpus-50.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const std::string text = bench::markedInParts(bench::generateFrenchLikeText(10'000'000), 50);
        file.write(text.data(), static_cast<qint64>(text.size()));
        file.close();
        ui::MainWindow mainWindow;
        mainWindow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
        QBENCHMARK {
            mainWindow.openCorpusFiles({path});
            mainWindow.repaint();
            mainWindow.findChild<QAction*>(QStringLiteral("corpusAction"))->trigger();
            auto* window = mainWindow.findChild<ui::CorpusWindow*>();
            QVERIFY(window);
            QVERIFY(QTest::qWaitForWindowExposed(window));
            delete window;
            mainWindow.findChild<QAction*>(QStringLiteral("closeAction"))->trigger();
        }
    }

    void printVocabulary()
    {
        ui::VocabularyWindow window(largeText(), VocabularyStatistic::report(AnalysedTexts(largeText())), nullptr);
        const QString pdf = files_.filePath(QStringLiteral("vocabulary.pdf"));
        QBENCHMARK {
            ui::setNextPrinterSetUp(pdf);
            window.findChild<QAction*>(QStringLiteral("printAction"))->trigger();
        }
    }

private:
    // The window of the statistic of that name, or the comparison's results, or the concordance of "de".
    std::unique_ptr<QWidget> openWindow(const QString& name, const SharedText& text)
    {
        if (name == QLatin1String("comparison results"))
            return std::make_unique<ui::ComparisonResultsWindow>(ui::compareTexts(text, secondLargeText()), nullptr);
        if (name == QLatin1String("concordance"))
            return std::make_unique<ui::ConcordanceWindow>(
                text, concordance(text->text(), "de", ui::ConcordanceWindow::defaultContext), nullptr);
        std::unique_ptr<QWidget> window;
        forEachStatistic([&](auto statistic) {
            using Statistic = decltype(statistic);
            if constexpr (requires { typename ui::WindowOf<Statistic>::type; }) {
                using Window = typename ui::WindowOf<Statistic>::type;
                if (name != QString::fromUtf8(Statistic::info.name))
                    return;
                if constexpr (std::is_same_v<Window, ui::SecondTextWindow>)
                    window = std::make_unique<Window>(text, QString(), nullptr);
                else
                    window = std::make_unique<Window>(text, ui::windowReport<Statistic>(AnalysedTexts(text)), nullptr);
            }
        });
        return window;
    }

    void clickSlowest(const QString& name, QWidget& window)
    {
        const std::map<QString, const char*> buttons = {
            {QStringLiteral("lengths"), "sortByFormCountAscending"},
            {QStringLiteral("comparison results"), "showFirstTextFormsButton"},
            {QStringLiteral("cooccurrences"), "showAllAlphabeticallyButton"}};
        if (const auto button = buttons.find(name); button != buttons.end()) {
            window.findChild<QPushButton*>(QString::fromLatin1(button->second))->click();
            return;
        }
        if (name == QLatin1String("concordance")) {
            // By the form after the occurrences, or before them on the next click.
            auto* keys = window.findChild<QComboBox*>(QStringLiteral("firstSortKeyBox"));
            const int after = keys->findText(QStringLiteral("1re forme à droite"));
            keys->setCurrentIndex(keys->currentIndex() == after ? keys->findText(QStringLiteral("1re forme à gauche"))
                                                                : after);
            return;
        }
        if (name == QLatin1String("compare")) {
            ui::MessageBox::setNextAnswer(QMessageBox::Yes);
            qobject_cast<ui::SecondTextWindow*>(&window)->openSecondText(largeFilePath_);
            return;
        }
        // A row, and the one before it on the next click: the last two frequencies (the forms
        // attested once or twice), two sentences, the first two slices.
        const std::map<QString, std::pair<const char*, int>> rowClicks = {
            {QStringLiteral("frequencies"), {"frequencyList", -1}},
            {QStringLiteral("sentences"), {"sentenceNumberList", 50'000}},
            {QStringLiteral("enrichment"), {"sliceList", 1}}};
        if (const auto click = rowClicks.find(name); click != rowClicks.end()) {
            auto* list = window.findChild<QListView*>(QString::fromLatin1(click->second.first));
            const int target = click->second.second < 0 ? list->model()->rowCount() - 1 : click->second.second;
            const int row = list->currentIndex().row() == target ? target - 1 : target;
            list->setCurrentIndex(list->model()->index(row, 0));
            return;
        }
        if (name == QLatin1String("lemmas")) {
            // The nouns left out, or back: every lemma filtered again.
            auto* nouns = window.findChild<QCheckBox*>(QStringLiteral("nounCheck"));
            nouns->setChecked(!nouns->isChecked());
            return;
        }
        if (name == QLatin1String("edges")) {
            auto* letters = window.findChild<QComboBox*>(QStringLiteral("letterBox"));
            emit letters->activated(letters->findText(QStringLiteral("d")));
            window.findChild<QPushButton*>(QStringLiteral("showStartFormsButton"))->click();
            return;
        }
        auto* keys = window.findChild<QComboBox*>(QStringLiteral("keyBox"));
        const char* key = name == QLatin1String("doubles") ? "ll" : name == QLatin1String("pairs") ? "es" : "e";
        emit keys->activated(keys->findText(QString::fromLatin1(key)));
    }

    // The 10 MB text, analysed as the main window analyses it.
    const SharedText& largeText()
    {
        if (!largeText_) {
            largeText_ =
                analyseText(std::make_shared<const std::string>(bench::generateFrenchLikeText(largeTextBytes)));
            largeFilePath_ = files_.filePath(QStringLiteral("large.txt"));
            QFile file(largeFilePath_);
            if (!file.open(QIODevice::WriteOnly))
                qFatal("cannot write %s", qPrintable(largeFilePath_));
            file.write(largeText_->text().data(), static_cast<qint64>(largeText_->text().size()));
        }
        return largeText_;
    }

    // A generated text of that size, written once into a file.
    QString generatedFile(std::size_t bytes)
    {
        const QString path = files_.filePath(QStringLiteral("generated-%1.txt").arg(bytes));
        if (!QFileInfo::exists(path)) {
            const std::string text = bench::generateFrenchLikeText(bytes);
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly))
                qFatal("cannot write %s", qPrintable(path));
            file.write(text.data(), static_cast<qint64>(text.size()));
        }
        return path;
    }

    // The comparison's second text: the same size, another seed.
    static const SharedText& secondLargeText()
    {
        static const SharedText text = analyseText(
            std::make_shared<const std::string>(bench::generateFrenchLikeText(largeTextBytes, secondTextSeed)));
        return text;
    }

    // Linux: the peak resident size starts again from the current one.
    static void resetPeakMemory()
    {
        QFile peak(QStringLiteral("/proc/self/clear_refs"));
        if (peak.open(QIODevice::WriteOnly))
            peak.write("5");
    }

    // A figure of /proc/self/status in KiB: "VmRSS:" now, "VmHWM:" at its peak.
    static qint64 memoryKib(const char* field)
    {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly))
            return 0;
        const auto length = static_cast<qsizetype>(std::strlen(field));
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith(field))
                return line.mid(length).trimmed().split(' ').value(0).toLongLong();
        return 0;
    }

    static std::unique_ptr<ui::MainWindow> mainWindowWithText(const QString& path)
    {
        auto mainWindow = std::make_unique<ui::MainWindow>();
        ui::MessageBox::setNextAnswer(QMessageBox::Yes);
        mainWindow->openTextFile(path);
        return mainWindow;
    }

    static constexpr std::size_t largeTextBytes = 10'000'000;
    static constexpr std::uint64_t secondTextSeed = 7;
    QTemporaryDir files_;
    SharedText largeText_;
    QString largeFilePath_;
};

QTEST_MAIN(desktop_bench)
#include "desktop_bench.moc"
