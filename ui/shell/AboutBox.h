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
    /// Starts the first system information program found, or says there is none.
    void showSystemInformation();

private:
    void buildUi();
    void connectSignals();

    QLabel* logo;
    QLabel* versionLabel;
    QLabel* disclaimerLabel;
    QGroupBox* creditsFrame;
    QPushButton* okButton;
    QPushButton* systemInfoButton;
};

} // namespace quorvelle::ui
