// Shared set-up and helpers of the window tests.
#include "tests/ui/ui_test_support.h"

#include "ui/PlainTextBox.h"
#include "ui/application.h"
#include "ui/cp1252_text.h"
#include "ui/message_box.h"
#include "ui/shell/WaitDialog.h"
#include "ui/stats/VocabularyWindow.h"
#include "ui/stats/RichnessWindow.h"
#include "ui/stats/SecondTextWindow.h"
#include "ui/stats/ComparisonResultsWindow.h"
#include "ui/stats/CooccurrencesWindow.h"
#include "ui/stats/EnrichmentWindow.h"
#include "ui/stats/FrequenciesWindow.h"
#include "ui/stats/SentenceLengthsWindow.h"
#include "ui/stats/LengthsWindow.h"
#include "ui/stats/LettersWindow.h"
#include "ui/stats/StartEndLettersWindow.h"
#include "ui/stats/DoubledLettersWindow.h"
#include "ui/stats/LetterPairsWindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QLocale>
#include <QPointer>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QWidget>

#include <map>

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

std::unique_ptr<QWidget> openStatisticsWindow(const QString& windowClass, const QByteArray& text)
{
    const std::string cp1252 = text.toStdString();
    const std::map<QString, std::function<std::unique_ptr<QWidget>()>> windows = {
        {QStringLiteral("VocabularyWindow"), [&] { return std::make_unique<ui::VocabularyWindow>(cp1252, nullptr); }},
        {QStringLiteral("LengthsWindow"), [&] { return std::make_unique<ui::LengthsWindow>(cp1252, nullptr); }},
        {QStringLiteral("LettersWindow"), [&] { return std::make_unique<ui::LettersWindow>(cp1252, nullptr); }},
        {QStringLiteral("StartEndLettersWindow"), [&] { return std::make_unique<ui::StartEndLettersWindow>(cp1252, nullptr); }},
        {QStringLiteral("DoubledLettersWindow"), [&] { return std::make_unique<ui::DoubledLettersWindow>(cp1252, nullptr); }},
        {QStringLiteral("LetterPairsWindow"), [&] { return std::make_unique<ui::LetterPairsWindow>(cp1252, nullptr); }},
        {QStringLiteral("FrequenciesWindow"), [&] { return std::make_unique<ui::FrequenciesWindow>(cp1252, nullptr); }},
        {QStringLiteral("CooccurrencesWindow"), [&] { return std::make_unique<ui::CooccurrencesWindow>(cp1252, nullptr); }},
        {QStringLiteral("SentenceLengthsWindow"), [&] { return std::make_unique<ui::SentenceLengthsWindow>(cp1252, nullptr); }},
        {QStringLiteral("EnrichmentWindow"), [&] { return std::make_unique<ui::EnrichmentWindow>(cp1252, nullptr); }},
        {QStringLiteral("SecondTextWindow"),
         [&] { return std::make_unique<ui::SecondTextWindow>(QString::fromLatin1(text), QString(), nullptr); }},
        {QStringLiteral("ComparisonResultsWindow"), [&] { return std::make_unique<ui::ComparisonResultsWindow>(cp1252, cp1252, nullptr); }},
        {QStringLiteral("RichnessWindow"), [&] { return std::make_unique<ui::RichnessWindow>(cp1252, nullptr); }},
    };
    const auto window = windows.find(windowClass);
    if (window == windows.end())
        qFatal("no window %s", qPrintable(windowClass));
    return window->second();
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

namespace {

QListView* namedList(const QWidget& window, const QString& name)
{
    auto* list = window.findChild<QListView*>(name);
    if (!list)
        qFatal("no list %s", qPrintable(name));
    return list;
}

} // namespace

QStringList listRows(const QWidget& window, const QStringList& listNames)
{
    QStringList rows;
    for (const QString& name : listNames) {
        const QAbstractItemModel* model = namedList(window, name)->model();
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
        const QModelIndexList selected = namedList(window, name)->selectionModel()->selectedIndexes();
        rows << (selected.isEmpty() ? -1 : selected.first().row());
    }
    return rows;
}

void clickRow(const QWidget& window, const QString& listName, int row)
{
    QListView* list = namedList(window, listName);
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
    return child<ui::PlainTextBox>(window, name)->text();
}

QString concordanceOfFirstLine(const QWidget& window)
{
    QString seen;
    closeNextModalWindow([&seen](QWidget* concordance) {
        seen = concordance->windowTitle() + QLatin1Char('|') + concordance->findChild<QLabel*>(QStringLiteral("occurrenceCountLabel"))->text();
    });
    auto* box = child<ui::PlainTextBox>(window, "formsBox");
    QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, box->cursorRect(QTextCursor(box->document())).center());
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
            + (action->menu() ? action->menu()->objectName() : action->objectName()) + QLatin1Char('=') + action->text();
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
