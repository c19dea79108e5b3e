// The window commands every statistics window shares, on a window of the tests' own.
#include "core/catalogue/statistics_catalogue.h"
#include "tests/ui/ui_test_support.h"
#include "ui/HourglassCursor.h"
#include "ui/MessageBox.h"
#include "ui/PlainTextBox.h"
#include "ui/shell/AboutBox.h"
#include "ui/stats/ComparisonResultsWindow.h"
#include "ui/stats/ConcordanceWindow.h"
#include "ui/stats/SecondTextWindow.h"
#include "ui/stats/StatisticsWindow.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>
#include <new>
#include <utility>

using namespace quorvelle;

namespace {

/// A statistics window reduced to its result text box and a second control that can hold
/// the focus.
class ResultWindow final : public ui::StatisticsWindow {
public:
    explicit ResultWindow(QWidget* parent = nullptr)
        : StatisticsWindow(parent)
        , resultBox(new ui::PlainTextBox(this))
        , otherControl(new QLineEdit(QStringLiteral("autre"), this))
    {
        windowLayout()->addWidget(resultBox);
        windowLayout()->addWidget(otherControl);
        buildMenuBar({.resultBox = resultBox});
    }

    ui::PlainTextBox* resultBox;
    QLineEdit* otherControl;
};

/// A window whose computation runs out of memory while it loads, under the hourglass.
class ExhaustingWindow final : public ui::StatisticsWindow {
public:
    explicit ExhaustingWindow(QWidget* parent)
        : StatisticsWindow(parent)
    {
        const ui::HourglassCursor hourglass;
        throw std::bad_alloc();
    }
};

QString clipboardText()
{
    return QGuiApplication::clipboard()->text();
}

void select(ui::PlainTextBox* box, int start, int length)
{
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);
}

// A list, grid, combo box or result box of the window (not the inner list of a combo box).
bool isNamedControl(const QWidget* control)
{
    return !control->objectName().isEmpty()
        && (qobject_cast<const QAbstractItemView*>(control) || qobject_cast<const QComboBox*>(control)
            || qobject_cast<const ui::PlainTextBox*>(control));
}

} // namespace

class tst_StatisticsWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::setUpWindowTests(); }

    void init()
    {
        window_ = std::make_unique<ResultWindow>();
        // The commands act on the result box even while another control has the focus.
        window_->show();
        window_->otherControl->setFocus();
    }

    void cleanup() { window_.reset(); }

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
        QTest::newRow("lengths") << "lengths"
                                 << "formCountList"
                                 << "formsBox";
        QTest::newRow("doubles") << "doubles"
                                 << "occurrencesList"
                                 << "formsBox";
        QTest::newRow("frequencies") << "frequencies"
                                     << "frequencyList"
                                     << "formsBox";
        QTest::newRow("cooccurrences") << "cooccurrences"
                                       << "attestationCountList"
                                       << "pairsBox";
        QTest::newRow("sentences") << "sentences"
                                   << "sentenceNumberList"
                                   << "sentenceBox";
    }

    // "Sélectionner tout" then "Copier" copy the result box, not the rows of the list that
    // has the focus; "Supprimer" empties the box and leaves the list as it was.
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
        QCOMPARE(clipboardText(), listed);
        trigger(*window, "deleteAction");
        QVERIFY(test::resultBox(*window, qPrintable(resultBox)).isEmpty());
        QCOMPARE(focused->model()->rowCount(), rows);
    }

    void editionCommands_data()
    {
        const QString listing = QStringLiteral("chat (2)\r\nle (1)\r\n");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("clipboard"); // before the commands; empty: no text at all
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("clipboardAfter");
        QTest::newRow("select all, copy: CR LF kept")
            << listing << QStringList({"selectAllAction", "copyAction"}) << 0 << 0 << "avant" << listing << listing;
        QTest::newRow("copy with nothing selected")
            << listing << QStringList({"copyAction"}) << 3 << 0 << "avant" << listing << "avant";
        QTest::newRow("select all in an empty box, copy")
            << QString() << QStringList({"selectAllAction", "copyAction"}) << 0 << 0 << "avant"
            << ""
            << "avant";
        QTest::newRow("paste over the selection") << listing << QStringList({"pasteAction"}) << 0 << 4 << "chien"
                                                  << "chien (2)\r\nle (1)\r\n"
                                                  << "chien";
        QTest::newRow("paste an empty clipboard") << listing << QStringList({"pasteAction"}) << 4 << 4 << ""
                                                  << "chat\r\nle (1)\r\n"
                                                  << "";
        QTest::newRow("delete the selection") << listing << QStringList({"deleteAction"}) << 4 << 4 << "avant"
                                              << "chat\r\nle (1)\r\n"
                                              << "avant";
    }

    // The Edition commands act on the result box alone, while another control has the focus.
    void editionCommands()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, commands);
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(QString, clipboard);
        QFETCH(QString, result);
        QFETCH(QString, clipboardAfter);
        window_->resultBox->setText(text);
        if (clipboard.isEmpty())
            QGuiApplication::clipboard()->clear();
        else
            QGuiApplication::clipboard()->setText(clipboard);
        select(window_->resultBox, start, length);
        for (const QString& command : commands)
            trigger(*window_, qPrintable(command));
        QCOMPARE(window_->resultBox->text(), result);
        QCOMPARE(clipboardText(), clipboardAfter);
        QCOMPARE(window_->otherControl->text(), QStringLiteral("autre"));
    }

    void quitClosesTheModalWindow()
    {
        QTimer::singleShot(0, window_.get(), [this] { trigger(*window_, "quitAction"); });
        window_->exec();
        QVERIFY(!window_->isVisible());
    }

    // No crash, no window, one message, and the pointer back to default.
    void openModalReportsAComputationOutOfMemory()
    {
        ui::MessageBox::takeShownMessages();
        ui::StatisticsWindow::openModal<ExhaustingWindow>(window_.get());
        const QList<ui::ShownMessage> shown = ui::MessageBox::takeShownMessages();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].title, QStringLiteral("Mémoire insuffisante"));
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    void aboutOpensTheAboutBox()
    {
        bool aboutShown = false;
        test::closeNextModalWindow([&](QWidget* window) { aboutShown = qobject_cast<ui::AboutBox*>(window); });
        trigger(*window_, "aboutAction");
        QVERIFY(aboutShown);
    }

private:
    static void trigger(const QWidget& window, const char* name) { test::child<QAction>(window, name)->trigger(); }

    // The window named by accessibleNames' rows.
    static std::unique_ptr<QWidget> openWindow(const QString& name)
    {
        static constexpr std::string_view text = "Le chat dort.";
        if (name == QLatin1String("second text"))
            return std::make_unique<ui::SecondTextWindow>(QString::fromUtf8(text), QString(), nullptr);
        const QByteArray bytes(text.data(), text.size());
        if (name == QLatin1String("comparison results"))
            return test::openComparisonResults(bytes, bytes);
        if (name == QLatin1String("concordance"))
            return std::make_unique<ui::ConcordanceWindow>(
                concordance(text, "chat", ui::ConcordanceWindow::contextWidth), nullptr);
        return test::openStatisticWindow(name.toStdString(), bytes);
    }

    std::unique_ptr<ResultWindow> window_;
};

QTEST_MAIN(tst_StatisticsWindow)
#include "tst_StatisticsWindow.moc"
