// Shared set-up and helpers of the window tests.
#include "tests/ui/ui_test_support.h"

#include "core/statistics/all_statistics.h"
#include "ui/main/statistic_windows.h"

#include "ui/LoadedTextBox.h"
#include "ui/MessageBox.h"
#include "ui/PlainTextBox.h"
#include "ui/WaitDialog.h"
#include "ui/application.h"
#include "ui/cp1252_text.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QLocale>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QWidget>

namespace quorvelle::test {
namespace {

constexpr int modalPollMs = 10;

} // namespace

void setUpWindowTests()
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    ui::initResources();
    ui::installFrenchTranslations(*QCoreApplication::instance());
    ui::MessageBox::answerInsteadOfUser();
}

SharedText analysed(const QByteArray& text)
{
    return analyseText(std::make_shared<const std::string>(text.toStdString()));
}

std::unique_ptr<ui::ComparisonResultsWindow> openComparisonResults(const QByteArray& text1, const QByteArray& text2)
{
    return std::make_unique<ui::ComparisonResultsWindow>(ui::compareTexts(analysed(text1), analysed(text2)), nullptr);
}

std::unique_ptr<QWidget> openStatisticWindow(std::string_view name, const QByteArray& text)
{
    std::unique_ptr<QWidget> window;
    forEachStatistic([&](auto statistic) {
        using Statistic = decltype(statistic);
        if constexpr (requires { typename ui::WindowOf<Statistic>::type; })
            if constexpr (!Statistic::info.needsSecondText)
                if (Statistic::info.name == name)
                    window = openWindowOf<Statistic>(text);
    });
    if (!window)
        qFatal("no window opens on the text for %s", std::string(name).c_str());
    return window;
}

void closeNextModalWindow(std::function<void(QWidget* window)> inspect)
{
    // Polls from the event loop that the modal window's exec() runs.
    auto* poll = new QTimer(QCoreApplication::instance());
    poll->setInterval(modalPollMs);
    QPointer<QWidget> before = QApplication::activeModalWidget();
    QObject::connect(poll, &QTimer::timeout, poll, [poll, before, inspect = std::move(inspect)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == before || qobject_cast<ui::WaitDialog*>(modal))
            return;
        poll->stop();
        poll->deleteLater();
        inspect(modal);
        modal->close();
    });
    poll->start();
}

QWidget* windowOpenedBeside(const std::function<void()>& open)
{
    const QList<QWidget*> before = QApplication::topLevelWidgets();
    bool modal = false;
    QTimer poll; // closes a window shown modal instead, so that open returns
    QObject::connect(&poll, &QTimer::timeout, [&modal] {
        if (QWidget* shown = QApplication::activeModalWidget(); shown && !qobject_cast<ui::WaitDialog*>(shown)) {
            modal = true;
            shown->close();
        }
    });
    poll.start(modalPollMs);
    open();
    QList<QWidget*> opened = QApplication::topLevelWidgets();
    opened.removeIf([&before](const QWidget* window) {
        return before.contains(window) || !window->isVisible() || window->windowType() != Qt::Window;
    });
    return !modal && opened.size() == 1 ? opened.front() : nullptr;
}

void inspectWindowBeside(const std::function<void()>& open, const std::function<void(QWidget* window)>& inspect)
{
    QWidget* window = windowOpenedBeside(open);
    QVERIFY2(window, "no window opened beside the others");
    inspect(window);
    window->close();
}

QStringList listRows(const QWidget& window, const QStringList& listNames)
{
    QStringList rows;
    for (const QString& name : listNames) {
        const QAbstractItemModel* model = child<QAbstractItemView>(window, qPrintable(name))->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            const QString cell = model->index(row, 0).data().toString();
            if (row < rows.size())
                rows[row] += QLatin1Char('|') + cell;
            else
                rows << cell;
        }
    }
    return rows;
}

QList<int> selectedRows(const QWidget& window, const QStringList& listNames)
{
    QList<int> rows;
    for (const QString& name : listNames) {
        const QModelIndexList selected =
            child<QListView>(window, qPrintable(name))->selectionModel()->selectedIndexes();
        rows << (selected.isEmpty() ? -1 : selected.first().row());
    }
    return rows;
}

void clickRow(const QWidget& window, const QString& listName, int row)
{
    auto* list = child<QListView>(window, qPrintable(listName));
    const QRect cell = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
}

void pickEntry(QComboBox* comboBox, const QString& text)
{
    const int target = comboBox->findText(text);
    if (target < 0)
        qFatal("no entry %s", qPrintable(text));
    while (comboBox->currentIndex() != target)
        QTest::keyClick(comboBox, comboBox->currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
}

QString resultBox(const QWidget& window, const char* name)
{
    return child<ui::LoadedTextBox>(window, name)->text();
}

QString concordanceOfFirstLine(const QWidget& window)
{
    QString seen;
    auto* box = child<ui::LoadedTextBox>(window, "formsBox")->editor();
    box->moveCursor(QTextCursor::Start);
    const auto showInContext = [box] { QTest::keyClick(box, Qt::Key_Return, Qt::ControlModifier); };
    inspectWindowBeside(showInContext, [&seen](QWidget* concordance) {
        seen = concordance->windowTitle() + QLatin1Char('|')
            + concordance->findChild<QLabel*>(QStringLiteral("occurrenceCountLabel"))->text();
    });
    return seen;
}

QString labelTexts(const QWidget& window, const QStringList& names)
{
    QStringList texts;
    for (const QString& name : names)
        texts << child<QLabel>(window, qPrintable(name))->text();
    return texts.join(QLatin1Char('|'));
}

QString menuTree(const QList<QAction*>& actions)
{
    QStringList items;
    for (const QAction* action : actions) {
        QString item = (action->isEnabled() ? QString() : QStringLiteral("!"))
            + (action->menu() ? action->menu()->objectName() : action->objectName()) + QLatin1Char('=')
            + action->text();
        if (action->menu())
            item += QLatin1Char('[') + menuTree(action->menu()->actions()) + QLatin1Char(']');
        items << item;
    }
    return items.join(QLatin1Char(' '));
}

QString writeFile(const QTemporaryDir& directory, const QString& name, const QByteArray& bytes)
{
    const QString path = directory.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the test file %s", qPrintable(path));
    return path;
}

QByteArray cp1252(const char* utf8)
{
    const std::string bytes = ui::toCp1252(QString::fromUtf8(utf8));
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

} // namespace quorvelle::test
