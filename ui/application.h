// What the whole desktop program shares: its title, its version, its pictures and Qt's French texts.
#pragma once

#include <QString>

class QApplication;
class QCoreApplication;
class QIcon;
class QPixmap;
class QSize;

namespace quorvelle::ui {

/// "Quorvelle": the program's title, which its own message boxes carry.
QString applicationTitle();

/// The build's version, major, minor and revision joined by full stops ("2.0.0").
QString applicationVersion();

/// The major and minor version numbers ("2.0").
QString shortVersion();

/// Registers the bundled manual and pictures. Call once before the first window.
void initResources();

/// Loads Qt's own French texts, so that its dialogs and buttons read "Oui", "Non", "Annuler".
/// Without the translation files Qt falls back to English, and the program still works.
void installFrenchTranslations(QCoreApplication& application);

/// One of the program's drawings (an SVG resource) rendered at the given size.
QPixmap renderDrawing(const QString& resource, const QSize& size);

/// The program's logo at size × size pixels.
QPixmap logoPixmap(int size);

/// The program's icon at the usual window and desktop sizes.
QIcon applicationIcon();

/// Names, version, icon, resources and translations of the desktop program.
void setUpApplication(QApplication& application);

} // namespace quorvelle::ui
