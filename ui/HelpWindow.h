// The user manual, bundled as French HTML pages, in a window of its own.
#pragma once

#include <QWidget>

class QTextBrowser;
class QToolButton;

namespace quorvelle::ui {

/// Opened by the main window's "&Mode d'emploi", beside it (not modal). The pages live in the
/// program's resources under :/help/, index.html being the contents page.
class HelpWindow final : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent);

    /// Shows the contents page.
    void showContents();
    /// Shows a page of the manual by its file name: "vocabulaire.html".
    void showPage(const QString& page);

private:
    void buildUi();
    void connectSignals();

    QTextBrowser* helpBrowser;
    QToolButton* contentsButton;
    QToolButton* backButton;
    QToolButton* forwardButton;
};

} // namespace quorvelle::ui
