// How the desktop windows hold up on multi-megabyte texts: loading a text into the main
// window, reading it back for a statistic, and opening the vocabulary list.
// Run: build-bench/bench/desktop_bench -platform offscreen
#include "bench/french_like_text.h"
#include "ui/application.h"
#include "ui/main/Form1.h"
#include "ui/message_box.h"
#include "ui/stats/frmListe01.h"

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

private:
    static std::unique_ptr<ui::Form1> formWithText(const QString& path)
    {
        auto form = std::make_unique<ui::Form1>();
        ui::MessageBox::setNextAnswer(QMessageBox::Yes);
        form->openTextFile(path);
        return form;
    }

    QTemporaryDir files_;
};

QTEST_MAIN(desktop_bench)
#include "desktop_bench.moc"
