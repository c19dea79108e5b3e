// The action that opens an explanation, on labels and on views.
#include "ui/figure_explanations.h"

#include "ui/ExplanationWindow.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLocale>
#include <QMap>
#include <QMenu>

namespace quorvelle::ui {
namespace {

const QString explainActionName = QStringLiteral("explainFigureAction");

QAction* createExplainAction(QWidget* figure)
{
    auto* action =
        new QAction(QCoreApplication::translate("quorvelle::ui", "Comment ce nombre est-il calculé ?"), figure);
    action->setObjectName(explainActionName);
    action->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1));
    action->setShortcutContext(Qt::WidgetShortcut);
    figure->addAction(action);
    figure->setContextMenuPolicy(Qt::ActionsContextMenu);
    return action;
}

// The explainers of a view's columns, kept by the view's explain action. The context menu
// explains the cell under the mouse, Maj+F1 the current cell: in lists that stand on one row
// together, a click may put the current row back on the driving list's. A cell whose column
// has no figure to explain stands for its row's first figure.
class ColumnExplainers final : public QObject {
public:
    ColumnExplainers(QAbstractItemView* view, QAction* action)
        : QObject(action)
        , view_(view)
    {
        connect(action, &QAction::triggered, this, &ColumnExplainers::explainAskedCell);
        view->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(view, &QWidget::customContextMenuRequested, this, &ColumnExplainers::showContextMenu);
    }

    void add(int column, RowExplainer explain) { explainers_.insert(column, std::move(explain)); }

private:
    void showContextMenu(const QPoint& position)
    {
        pointed_ = view_->indexAt(position);
        QMenu::exec(view_->actions(), view_->viewport()->mapToGlobal(position), nullptr, view_);
        pointed_ = QPersistentModelIndex();
    }

    void explainAskedCell() const
    {
        const QModelIndex cell = pointed_.isValid() ? QModelIndex(pointed_) : view_->currentIndex();
        if (!cell.isValid())
            return;
        auto explain = explainers_.constFind(cell.column());
        if (explain == explainers_.cend())
            explain = explainers_.cbegin();
        if (explain != explainers_.cend())
            ExplanationWindow::showBeside(view_, (*explain)(cell.row(), explanationNumbers()));
    }

    QAbstractItemView* view_;
    QMap<int, RowExplainer> explainers_; // by column, in order
    QPersistentModelIndex pointed_;
};

} // namespace

ExplanationNumbers explanationNumbers()
{
    const QString separator = QLocale().decimalPoint();
    return ExplanationNumbers(separator == QStringLiteral(",") ? ',' : '.');
}

void explainFigure(QLabel* label, FigureExplainer explain)
{
    // Tab reaches the figure, its text cursor showing where the focus is.
    label->setTextInteractionFlags(label->textInteractionFlags() | Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::StrongFocus);
    // Actions replace the label's own menu: its copy comes back first.
    auto* copy = new QAction(QCoreApplication::translate("quorvelle::ui", "Copier"), label);
    copy->setObjectName(QStringLiteral("copyFigureAction"));
    QObject::connect(copy, &QAction::triggered, label, [label] { QApplication::clipboard()->setText(label->text()); });
    label->addAction(copy);
    QAction* action = createExplainAction(label);
    QObject::connect(action, &QAction::triggered, label, [label, explain = std::move(explain)] {
        ExplanationWindow::showBeside(label, explain(explanationNumbers()));
    });
}

void explainColumn(QAbstractItemView* view, int column, RowExplainer explain)
{
    auto* action = view->findChild<QAction*>(explainActionName, Qt::FindDirectChildrenOnly);
    if (!action)
        action = createExplainAction(view);
    auto* explainers = action->findChild<ColumnExplainers*>();
    if (!explainers)
        explainers = new ColumnExplainers(view, action);
    explainers->add(column, std::move(explain));
}

} // namespace quorvelle::ui
