#include "monkey/moves.h"

#include "monkey/Dice.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSet>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>
#include <QUrl>

#include <array>

namespace quorvelle::monkey {
namespace {

// Widgets the monkey leaves alone, and why.
bool leftAlone(const QObject* object)
{
    // The about box's button starts another program, which a run must not do.
    return object->objectName() == QLatin1String("systemInfoButton");
}

// The widgets of type T a user can reach in window: shown, enabled, and in window itself
// rather than in a window it opened.
template <class T>
QList<T*> reachable(QWidget* window)
{
    QList<T*> found;
    for (T* widget : window->findChildren<T*>())
        if (widget->window() == window && widget->isVisible() && widget->isEnabled() && !leftAlone(widget))
            found.append(widget);
    return found;
}

// The reachable widgets of type T (combo boxes, tab bars) that offer more than one entry.
template <class T>
QList<T*> offeringAChoice(QWidget* window)
{
    QList<T*> found = reachable<T>(window);
    found.removeIf([](const T* widget) { return widget->count() < 2; });
    return found;
}

QString nameOf(const QObject* object)
{
    const QString name = object->objectName();
    return QString::fromLatin1(object->metaObject()->className()) + (name.isEmpty() ? QString() : u' ' + name);
}

QString quoted(QString text)
{
    constexpr qsizetype shownCharacters = 60;
    text.replace(u'\n', QStringLiteral("\\n")).replace(u'\r', QStringLiteral("\\r"));
    if (text.size() > shownCharacters)
        text = text.left(shownCharacters) + QStringLiteral("…");
    return u'«' + text + u'»';
}

// The items of a menu bar or a context menu, submenus opened.
void collectItems(const QList<QAction*>& actions, QList<QAction*>& items, QSet<QAction*>& seen)
{
    for (QAction* action : actions) {
        if (action->isSeparator() || !action->isVisible() || !action->isEnabled() || leftAlone(action))
            continue;
        if (QMenu* menu = action->menu())
            collectItems(menu->actions(), items, seen);
        else if (!seen.contains(action)) {
            seen.insert(action);
            items.append(action);
        }
    }
}

std::optional<Move> menuItem(QWidget* window, Dice& dice, const Workspace&)
{
    QList<QAction*> items;
    QSet<QAction*> seen;
    for (QMenuBar* bar : reachable<QMenuBar>(window))
        collectItems(bar->actions(), items, seen);
    collectItems(window->actions(), items, seen);
    for (QWidget* widget : reachable<QWidget>(window))
        collectItems(widget->actions(), items, seen);
    if (items.isEmpty())
        return std::nullopt;
    QPointer<QAction> item = dice.pick(items);
    // Every window has these; left as likely as the others, they would close most windows
    // before their own items are tried.
    const QStringList everywhere = {QStringLiteral("quitAction"), QStringLiteral("aboutAction")};
    if (everywhere.contains(item->objectName()) && dice.percent(75))
        item = dice.pick(items);
    return Move{QStringLiteral("menu item ") + quoted(item->text().remove(u'&')) + u' ' + nameOf(item), [item] {
                    if (item)
                        item->trigger();
                }};
}

Qt::KeyboardModifiers clickModifiers(Dice& dice)
{
    constexpr std::array modifiers = {Qt::NoModifier, Qt::NoModifier, Qt::NoModifier, Qt::ShiftModifier,
                                      Qt::ControlModifier};
    return modifiers[dice.below(modifiers.size())];
}

std::optional<Move> clickCell(QWidget* window, Dice& dice, bool twice)
{
    QList<QAbstractItemView*> views;
    for (QAbstractItemView* view : reachable<QAbstractItemView>(window))
        if (!qobject_cast<QHeaderView*>(view) && view->model() && view->model()->rowCount(view->rootIndex()) > 0)
            views.append(view);
    if (views.isEmpty())
        return std::nullopt;
    QPointer<QAbstractItemView> view = dice.pick(views);
    const QAbstractItemModel* model = view->model();
    const int row = static_cast<int>(dice.below(static_cast<std::size_t>(model->rowCount(view->rootIndex()))));
    const int column = static_cast<int>(dice.below(static_cast<std::size_t>(model->columnCount(view->rootIndex()))));
    const Qt::KeyboardModifiers modifiers = clickModifiers(dice);
    const QString description = QStringLiteral("%1 row %2 column %3 of %4 (modifiers %5)")
                                    .arg(twice ? QStringLiteral("double-click") : QStringLiteral("click"))
                                    .arg(row)
                                    .arg(column)
                                    .arg(nameOf(view))
                                    .arg(modifiers.toInt());
    return Move{description, [view, row, column, modifiers, twice] {
                    if (!view)
                        return;
                    const QModelIndex index = view->model()->index(row, column, view->rootIndex());
                    if (!index.isValid())
                        return;
                    view->scrollTo(index);
                    const QPoint point = view->visualRect(index).center();
                    if (twice)
                        QTest::mouseDClick(view->viewport(), Qt::LeftButton, modifiers, point);
                    else
                        QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, point);
                }};
}

std::optional<Move> clickRow(QWidget* window, Dice& dice, const Workspace&)
{
    return clickCell(window, dice, false);
}

std::optional<Move> doubleClickRow(QWidget* window, Dice& dice, const Workspace&)
{
    return clickCell(window, dice, true);
}

struct KeyStroke {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* name;
};

const std::array keyStrokes = {
    KeyStroke{Qt::Key_Up, Qt::NoModifier, "Up"},
    KeyStroke{Qt::Key_Down, Qt::NoModifier, "Down"},
    KeyStroke{Qt::Key_Left, Qt::NoModifier, "Left"},
    KeyStroke{Qt::Key_Right, Qt::NoModifier, "Right"},
    KeyStroke{Qt::Key_PageUp, Qt::NoModifier, "PageUp"},
    KeyStroke{Qt::Key_PageDown, Qt::NoModifier, "PageDown"},
    KeyStroke{Qt::Key_Home, Qt::NoModifier, "Home"},
    KeyStroke{Qt::Key_End, Qt::ControlModifier, "Ctrl+End"},
    KeyStroke{Qt::Key_Return, Qt::NoModifier, "Return"},
    KeyStroke{Qt::Key_Enter, Qt::NoModifier, "Enter"},
    KeyStroke{Qt::Key_Escape, Qt::NoModifier, "Escape"},
    KeyStroke{Qt::Key_Tab, Qt::NoModifier, "Tab"},
    KeyStroke{Qt::Key_Backtab, Qt::ShiftModifier, "Shift+Tab"},
    KeyStroke{Qt::Key_Space, Qt::NoModifier, "Space"},
    KeyStroke{Qt::Key_Delete, Qt::NoModifier, "Delete"},
    KeyStroke{Qt::Key_Backspace, Qt::NoModifier, "Backspace"},
    KeyStroke{Qt::Key_A, Qt::ControlModifier, "Ctrl+A"},
    KeyStroke{Qt::Key_C, Qt::ControlModifier, "Ctrl+C"},
    KeyStroke{Qt::Key_V, Qt::ControlModifier, "Ctrl+V"},
    KeyStroke{Qt::Key_X, Qt::ControlModifier, "Ctrl+X"},
    KeyStroke{Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z"},
    KeyStroke{Qt::Key_F1, Qt::NoModifier, "F1"},
    KeyStroke{Qt::Key_F1, Qt::ShiftModifier, "Shift+F1"},
};

std::optional<Move> pressKey(QWidget* window, Dice& dice, const Workspace&)
{
    QWidget* focused = QApplication::focusWidget();
    QPointer<QWidget> target = focused && focused->window() == window && !leftAlone(focused) ? focused : window;
    const KeyStroke stroke = keyStrokes[dice.below(keyStrokes.size())];
    return Move{QStringLiteral("key %1 on %2").arg(QLatin1String(stroke.name), nameOf(target)), [target, stroke] {
                    if (target)
                        QTest::keyClick(target, stroke.key, stroke.modifiers);
                }};
}

std::optional<Move> clickButton(QWidget* window, Dice& dice, const Workspace&)
{
    QList<QAbstractButton*> buttons = reachable<QAbstractButton>(window);
    if (buttons.isEmpty())
        return std::nullopt;
    QPointer<QAbstractButton> button = dice.pick(buttons);
    return Move{QStringLiteral("button ") + quoted(button->text()) + u' ' + nameOf(button), [button] {
                    if (button)
                        QTest::mouseClick(button, Qt::LeftButton);
                }};
}

std::optional<Move> stepComboBox(QWidget* window, Dice& dice, const Workspace&)
{
    QList<QComboBox*> boxes = offeringAChoice<QComboBox>(window);
    if (boxes.isEmpty())
        return std::nullopt;
    QPointer<QComboBox> box = dice.pick(boxes);
    constexpr std::array keys = {Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End};
    const Qt::Key key = keys[dice.below(keys.size())];
    return Move{QStringLiteral("combo box %1 key %2").arg(nameOf(box)).arg(key), [box, key] {
                    if (!box)
                        return;
                    box->setFocus(Qt::TabFocusReason);
                    QTest::keyClick(box, key);
                }};
}

std::optional<Move> switchTab(QWidget* window, Dice& dice, const Workspace&)
{
    QList<QTabBar*> bars = offeringAChoice<QTabBar>(window);
    if (bars.isEmpty())
        return std::nullopt;
    QPointer<QTabBar> bar = dice.pick(bars);
    const int tab = static_cast<int>(dice.below(static_cast<std::size_t>(bar->count())));
    return Move{QStringLiteral("tab %1 of %2").arg(tab).arg(nameOf(bar)), [bar, tab] {
                    if (bar && tab < bar->count())
                        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
                }};
}

// The text boxes a user can type into.
QList<QWidget*> editableBoxes(QWidget* window)
{
    QList<QWidget*> boxes;
    for (QPlainTextEdit* box : reachable<QPlainTextEdit>(window))
        if (!box->isReadOnly())
            boxes.append(box);
    for (QTextEdit* box : reachable<QTextEdit>(window))
        if (!box->isReadOnly())
            boxes.append(box);
    for (QLineEdit* box : reachable<QLineEdit>(window))
        if (!box->isReadOnly())
            boxes.append(box);
    return boxes;
}

// Clicks at a point of box given as fractions of its size, which puts the cursor there.
void clickInto(QWidget* box, double across, double down)
{
    QWidget* surface = box;
    if (auto* area = qobject_cast<QAbstractScrollArea*>(box))
        surface = area->viewport();
    const QPoint point(static_cast<int>(across * surface->width()), static_cast<int>(down * surface->height()));
    QTest::mouseClick(surface, Qt::LeftButton, {}, point);
}

const std::array typedFragments = {
    QStringLiteral("le chat dort "),
    QStringLiteral("Où êtes-vous, Éloïse ? "),
    QStringLiteral("l'œuf de Noël "),
    QStringLiteral("12 345,67 € "),
    QStringLiteral("« guillemets » — tirets … "),
    QStringLiteral("Ŝi ŝatas Ω, Ж et 中文 "),
    QStringLiteral("\t"),
    QStringLiteral("!!! ??? ;;; "),
    QStringLiteral("aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"),
    QStringLiteral("A"),
    QStringLiteral("de\nla\nligne\n"),
};

const std::array pastedTexts = {
    QStringLiteral("ligne un\r\nligne deux\r\n"),
    QStringLiteral("Mac\rMac\r"),
    QStringLiteral("Unix\nUnix\n"),
    QStringLiteral("séparateur\u2028de ligne\u2029de paragraphe"),
    QStringLiteral("suivant\u0085la ligne"),
    QString(QStringLiteral("nul%1nul")).arg(QChar(0)),
    QStringLiteral("émoji 🙂 😀 et e\u0301 combiné "),
    QStringLiteral("\uFEFFmarque d'ordre"),
    QStringLiteral("\uFFFD remplacement"),
    QString(),
    QStringLiteral("Longtemps, je me suis couché de bonne heure. ").repeated(400),
};

// Text put at a random place of an editable box, typed key by key or pasted with Ctrl+V.
std::optional<Move> enterText(QWidget* window, Dice& dice, bool paste)
{
    QList<QWidget*> boxes = editableBoxes(window);
    if (boxes.isEmpty())
        return std::nullopt;
    QPointer<QWidget> box = dice.pick(boxes);
    const QString text =
        paste ? pastedTexts[dice.below(pastedTexts.size())] : typedFragments[dice.below(typedFragments.size())];
    const double across = dice.fraction();
    const double down = dice.fraction();
    const QString verb = paste ? QStringLiteral("paste") : QStringLiteral("type");
    return Move{QStringLiteral("%1 %2 into %3").arg(verb, quoted(text), nameOf(box)), [box, text, across, down, paste] {
                    if (!box)
                        return;
                    if (paste)
                        QGuiApplication::clipboard()->setText(text);
                    clickInto(box, across, down);
                    if (!box)
                        return;
                    if (paste)
                        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
                    else
                        typeText(box, text);
                }};
}

std::optional<Move> typeInto(QWidget* window, Dice& dice, const Workspace&)
{
    return enterText(window, dice, false);
}

std::optional<Move> pasteInto(QWidget* window, Dice& dice, const Workspace&)
{
    return enterText(window, dice, true);
}

std::optional<Move> resizeWindow(QWidget* window, Dice& dice, const Workspace&)
{
    QPointer<QWidget> target = window;
    const QSize size(200 + static_cast<int>(dice.below(1200)), 150 + static_cast<int>(dice.below(850)));
    return Move{QStringLiteral("resize %1 to %2×%3").arg(nameOf(window)).arg(size.width()).arg(size.height()),
                [target, size] {
                    if (target)
                        target->resize(size);
                }};
}

std::optional<Move> closeWindow(QWidget* window, Dice& dice, const Workspace&)
{
    // Closing the main window ends the program, which the monkey then starts again: rarer.
    if (qobject_cast<QMainWindow*>(window) && !dice.percent(10))
        return std::nullopt;
    QPointer<QWidget> target = window;
    return Move{QStringLiteral("close ") + nameOf(window), [target] {
                    if (target)
                        target->close();
                }};
}

std::optional<Move> dropFile(QWidget* window, Dice& dice, const Workspace& workspace)
{
    if (!qobject_cast<QMainWindow*>(window) || workspace.texts.isEmpty())
        return std::nullopt;
    const QString path =
        workspace.texts[static_cast<qsizetype>(dice.below(static_cast<std::size_t>(workspace.texts.size())))];
    QPointer<QWidget> target = window;
    return Move{QStringLiteral("drop ") + path, [target, path] {
                    if (!target)
                        return;
                    QMimeData data;
                    data.setUrls({QUrl::fromLocalFile(path)});
                    const QPoint centre = target->rect().center();
                    QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
                    QApplication::sendEvent(target, &enter);
                    if (!target || !enter.isAccepted())
                        return;
                    QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
                    QApplication::sendEvent(target, &drop);
                }};
}

using MoveMaker = std::optional<Move> (*)(QWidget*, Dice&, const Workspace&);

struct WeightedMove {
    int weight;
    MoveMaker make;
};

// How often each kind of action comes, relative to the others.
constexpr std::array weightedMoves = {
    WeightedMove{30, menuItem},    WeightedMove{14, clickRow},    WeightedMove{8, doubleClickRow},
    WeightedMove{14, pressKey},    WeightedMove{10, clickButton}, WeightedMove{5, stepComboBox},
    WeightedMove{6, switchTab},    WeightedMove{6, typeInto},     WeightedMove{5, pasteInto},
    WeightedMove{2, resizeWindow}, WeightedMove{3, closeWindow},  WeightedMove{1, dropFile},
};

} // namespace

void typeText(QWidget* widget, const QString& text)
{
    QPointer<QWidget> target = widget;
    for (qsizetype at = 0; at < text.size() && target; ++at) {
        // A character outside the basic plane comes as its two halves in one key press.
        const qsizetype length = text[at].isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
        const QString typed = text.mid(at, length);
        at += length - 1;
        if (typed == QLatin1String("\n")) {
            QTest::keyClick(target, Qt::Key_Return);
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, typed);
        QApplication::sendEvent(target, &press);
        if (!target)
            break;
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, typed);
        QApplication::sendEvent(target, &release);
    }
}

std::optional<Move> chooseMove(QWidget* window, Dice& dice, const Workspace& workspace)
{
    int totalWeight = 0;
    for (const WeightedMove& move : weightedMoves)
        totalWeight += move.weight;
    // A window that offers nothing of one kind may offer another: a few throws.
    constexpr int throws = 8;
    for (int attempt = 0; attempt < throws; ++attempt) {
        int throwValue = static_cast<int>(dice.below(static_cast<std::size_t>(totalWeight)));
        for (const WeightedMove& move : weightedMoves) {
            if (throwValue < move.weight) {
                if (std::optional<Move> chosen = move.make(window, dice, workspace))
                    return chosen;
                break;
            }
            throwValue -= move.weight;
        }
    }
    return std::nullopt;
}

} // namespace quorvelle::monkey
