// The about box: title, version, credits and the system information command.
#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;

namespace quorvelle::ui {

/// Shown modal from the "&A propos de" item of every window's "&Aide" menu.
class AboutBox final : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent);

    /// Loads the about box and shows it modal over parent: the "&A propos de" of every window.
    static void showOver(QWidget* parent);

private slots:
    void cmdOK_Click();
    void cmdSysInfo_Click();

private:
    void buildUi();
    void connectSignals();
    void Form_Load();

    QLabel* picIcon;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* lblVersion;
    QLabel* lblDisclaimer;
    QGroupBox* Frame1;
    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;
};

} // namespace quorvelle::ui
