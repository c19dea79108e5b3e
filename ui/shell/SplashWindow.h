// The splash window that opens the program and hands over to the main window.
#pragma once

#include <QWidget>

#include <functional>

class QFrame;
class QLabel;
class QTimer;

namespace quorvelle::ui {

/// Shown first. After 3000 ms, at the first key, or at a click on its frame, its pictures, its
/// title or the version, platform and product labels, it unloads itself and only then shows
/// the main window, once: a later tick or key finds no splash window and no hand-over left.
class SplashWindow final : public QWidget {
    Q_OBJECT
public:
    /// showMainWindow loads and shows the main window.
    explicit SplashWindow(std::function<void()> showMainWindow);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private slots:
    /// Unloads the splash window and shows the main window, the first time only.
    void dismiss();

private:
    void buildUi();
    void connectSignals();

    std::function<void()> showMainWindow_;
    QFrame* frame;
    QLabel* logo;
    QLabel* pagePicture;
    QLabel* title;
    QLabel* versionLabel;
    QLabel* platformLabel;
    QLabel* productLabel;
    QLabel* footerLabel;
    QTimer* dismissTimer;
};

} // namespace quorvelle::ui
