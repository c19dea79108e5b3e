// What the window tests share: the French set-up, answering modal windows, test files.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include "core/text/analysed_text.h"
#include "ui/main/statistic_windows.h"
#include "ui/stats/ComparisonResultsWindow.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>

class QAction;
class QComboBox;

namespace quorvelle::test {

/// French locale and Qt translations, the program's resources, and message boxes answered
/// by the tests instead of shown. Call from initTestCase.
void setUpWindowTests();

/// The text (code page 1252) analysed, as the main window hands it to its windows.
SharedText analysed(const QByteArray& text);

/// The window of Statistic, loaded with its report of text (code page 1252).
template <class Statistic>
std::unique_ptr<typename ui::WindowOf<Statistic>::type> openWindowOf(const QByteArray& text)
{
    const SharedText analysedText = analysed(text);
    return std::make_unique<typename ui::WindowOf<Statistic>::type>(
        analysedText, ui::windowReport<Statistic>(AnalysedTexts(analysedText)), nullptr);
}

/// The results window of the comparison of two texts (code page 1252).
std::unique_ptr<ui::ComparisonResultsWindow> openComparisonResults(const QByteArray& text1, const QByteArray& text2);

/// The window of the statistic of that command-line name, loaded with its report of text.
std::unique_ptr<QWidget> openStatisticWindow(std::string_view name, const QByteArray& text);

/// Runs inspect on the next modal window that opens, a wait dialog aside, then closes it, so
/// that the exec() that showed it returns. Call before the action that opens the window.
void closeNextModalWindow(std::function<void(QWidget* window)> inspect);

/// Runs open, which must show one window beside the others, not modal, a window of its own
/// (not a dialog), and returns it. A
/// window shown modal instead is closed at once, so that the test goes on, and null is
/// returned, as when no window or several opened.
QWidget* windowOpenedBeside(const std::function<void()>& open);

/// Runs open, which must show one window beside the others (see windowOpenedBeside), then
/// inspect on that window, then closes it.
void inspectWindowBeside(const std::function<void()>& open, const std::function<void(QWidget* window)>& inspect);

/// The rows of parallel lists (or the first column of grids), each row's cells joined by "|": {"2|4|66,67",
/// "1|2|33,33"}.
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

/// Asks for the first line of the window's result box formsBox in context (Ctrl+Entrée), and
/// returns the caption and the count of the concordance that opens beside it, joined by "|",
/// then closes it.
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
