// What the window tests share: the French set-up, answering modal windows, test files.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <string_view>

class QAction;
class QComboBox;

namespace quorvelle::test {

/// A text that the window it belongs to reads while it lives.
struct KeptText : QObject {
    explicit KeptText(std::string text)
        : text(std::move(text))
    {
    }
    const std::string text;
};

/// French locale and Qt translations, the program's resources, and message boxes answered
/// by the tests instead of shown. Call from initTestCase.
void setUpWindowTests();

/// A window loaded over text (code page 1252), which it keeps for as long as it lives.
template <class Window>
std::unique_ptr<Window> openOnText(const QByteArray& text)
{
    auto* kept = new KeptText(text.toStdString());
    auto window = std::make_unique<Window>(std::string_view(kept->text), nullptr);
    kept->setParent(window.get());
    return window;
}

/// The window of the statistic of that command-line name, loaded over text.
std::unique_ptr<QWidget> openStatisticWindow(std::string_view name, const QByteArray& text);

/// Runs inspect on the next modal window that opens, a wait dialog aside, then closes it, so
/// that the exec() that showed it returns. Call before the action that opens the window.
void closeNextModalWindow(std::function<void(QWidget* window)> inspect);

/// The rows of parallel lists, each row's cells joined by "|": {"2|4|66,67", "1|2|33,33"}.
QStringList listRows(const QWidget& window, const QStringList& listNames);

/// The row selected in each of the lists, -1 for none.
QList<int> selectedRows(const QWidget& window, const QStringList& listNames);

/// Clicks row of the named list, as a user does (the window must be shown).
void clickRow(const QWidget& window, const QString& listName, int row);

/// Picks the combo box's entry text as a user does, with the arrow keys.
void pickEntry(QComboBox* comboBox, const QString& text);

/// The named child of window, which must exist.
template <class Widget>
Widget* child(const QWidget& window, const char* name)
{
    auto* found = window.findChild<Widget*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

/// The text of the window's result box (formsBox, or another name).
QString resultBox(const QWidget& window, const char* name = "formsBox");

/// Double-clicks the first line of the window's result box formsBox, and returns the caption and
/// the count of the concordance that opens, joined by "|".
QString concordanceOfFirstLine(const QWidget& window);

/// The texts of the named labels, joined by "|".
QString labelTexts(const QWidget& window, const QStringList& names);

/// The menus as "name=caption[name=caption …] …", a submenu's items in brackets, "!" before
/// a disabled item.
QString menuTree(const QList<QAction*>& actions);

/// Writes bytes to a file named name in directory; returns its path.
QString writeFile(const QTemporaryDir& directory, const QString& name, const QByteArray& bytes);

/// Code page 1252 bytes of a UTF-8 literal, for writing test texts.
QByteArray cp1252(const char* utf8);

} // namespace quorvelle::test
