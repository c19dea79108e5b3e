// The splash window that opens the program and hands over to the main window.
#pragma once

#include <QWidget>

#include <functional>

class QFrame;
class QLabel;
class QTimer;

namespace quorvelle::ui {

/// Shown first. After 3000 ms, at the first key, or at a click on its frame, its pictures or
/// the labels Label2 to Label5, it unloads itself and only then shows the main window, once:
/// a later tick or key finds no splash window and no hand-over left.
class SplashWindow final : public QWidget {
    Q_OBJECT
public:
    /// showMainWindow loads and shows the main window.
    explicit SplashWindow(std::function<void()> showMainWindow);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private slots:
    void Form_KeyPress();
    void Frame1_Click();
    void Image1_Click();
    void imgLogo_Click();
    void Label2_Click();
    void Label3_Click();
    void Label4_Click();
    void Label5_Click();
    void Timer1_Timer();

private:
    void buildUi();
    void connectSignals();
    void unloadAndShowMainWindow();

    std::function<void()> showMainWindow_;
    QFrame* Frame1;
    QLabel* imgLogo;
    QLabel* Image1;
    QLabel* Label1;
    QLabel* Label5;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label7;
    QTimer* Timer1;
};

} // namespace quorvelle::ui
