// How the desktop windows hold up on multi-megabyte texts: loading a text into the main
// window, reading it back for a statistic, opening each statistics window, and the clicks
// that answer slowest in each.
// Run: build-bench/bench/desktop_bench -platform offscreen
#include "bench/french_like_text.h"
#include "ui/application.h"
#include "ui/main/Form1.h"
#include "ui/message_box.h"
#include "ui/stats/frmListe01.h"
#include "ui/stats/frmstata.h"
#include "ui/stats/frmstatb.h"
#include "ui/stats/frmstatc.h"
#include "ui/stats/frmstatd.h"
#include "ui/stats/frmstate.h"

#include <QComboBox>
#include <QListView>
#include <QPushButton>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace quorvelle;

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
        for (const std::size_t bytes : {std::size_t{1'000'000}, std::size_t{10'000'000}}) {
            const QString path = files_.filePath(QStringLiteral("%1.txt").arg(bytes));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            const std::string text = bench::generateFrenchLikeText(bytes);
            file.write(text.data(), static_cast<qint64>(text.size()));
            QTest::newRow(qPrintable(QStringLiteral("%1 bytes").arg(bytes))) << path;
        }
        const QString oneLine = files_.filePath(QStringLiteral("one-line.txt"));
        QFile file(oneLine);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("mot ").repeated(1'000'000));
        QTest::newRow("4000000 bytes on one line") << oneLine;
    }

    void openText()
    {
        QFETCH(QString, path);
        ui::Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        // Each opening is painted, as the user sees it.
        QBENCHMARK {
            ui::MessageBox::setNextAnswer(QMessageBox::Yes);
            form.openTextFile(path);
            form.repaint();
        }
    }

    void readTextBack_data() { openText_data(); }

    void readTextBack()
    {
        QFETCH(QString, path);
        const auto form = formWithText(path);
        QBENCHMARK {
            form->loadedText();
        }
    }

    void vocabularyList_data() { openText_data(); }

    void vocabularyList()
    {
        QFETCH(QString, path);
        const std::string text = formWithText(path)->loadedText();
        QBENCHMARK {
            ui::frmListe01 window(text, nullptr);
        }
    }

    void statisticsWindow_data()
    {
        QTest::addColumn<QString>("window");
        for (const char* window : {"frmstata", "frmstatb", "frmstatc", "frmstatd", "frmstate"})
            QTest::newRow(window) << QString::fromLatin1(window);
    }

    // Loading the window (report and lists) on the 10 MB text.
    void statisticsWindow()
    {
        QFETCH(QString, window);
        const std::string& text = largeText();
        QBENCHMARK {
            openWindow(window, text);
        }
    }

    void statisticsClick_data() { statisticsWindow_data(); }

    // The slowest answer of each window on the 10 MB text: a sort (frmstata), the most
    // frequent key picked with its first row listed, or the forms beginning with "d".
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

private:
    static std::unique_ptr<QWidget> openWindow(const QString& window, const std::string& text)
    {
        if (window == QLatin1String("frmstata"))
            return std::make_unique<ui::frmstata>(text, nullptr);
        if (window == QLatin1String("frmstatb"))
            return std::make_unique<ui::frmstatb>(text, nullptr);
        if (window == QLatin1String("frmstatc"))
            return std::make_unique<ui::frmstatc>(text, nullptr);
        if (window == QLatin1String("frmstatd"))
            return std::make_unique<ui::frmstatd>(text, nullptr);
        return std::make_unique<ui::frmstate>(text, nullptr);
    }

    static void clickSlowest(const QString& name, const QWidget& window)
    {
        if (name == QLatin1String("frmstata")) {
            window.findChild<QPushButton*>(QStringLiteral("Command3"))->click();
            return;
        }
        auto* combo = window.findChild<QComboBox*>(QStringLiteral("Combo1"));
        if (name == QLatin1String("frmstatc")) {
            emit combo->activated(combo->findText(QStringLiteral("d")));
            window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
            return;
        }
        const char* key = name == QLatin1String("frmstatd") ? "ll" : name == QLatin1String("frmstate") ? "es" : "e";
        emit combo->activated(combo->findText(QString::fromLatin1(key)));
    }

    const std::string& largeText()
    {
        if (largeText_.empty())
            largeText_ = bench::generateFrenchLikeText(largeTextBytes);
        return largeText_;
    }

    static std::unique_ptr<ui::Form1> formWithText(const QString& path)
    {
        auto form = std::make_unique<ui::Form1>();
        ui::MessageBox::setNextAnswer(QMessageBox::Yes);
        form->openTextFile(path);
        return form;
    }

    static constexpr std::size_t largeTextBytes = 10'000'000;
    QTemporaryDir files_;
    std::string largeText_;
};

QTEST_MAIN(desktop_bench)
#include "desktop_bench.moc"
