// quorvelle: the desktop program. Starts on the splash window, which hands over to the main
// window; a file named on the command line is then opened as "&Ouvrir..." would open it.
#include "ui/application.h"
#include "ui/main/MainWindow.h"
#include "ui/shell/SplashWindow.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char* argv[])
{
    using namespace quorvelle::ui;

    QApplication application(argc, argv);
    setUpApplication(application);

    QCommandLineParser parser;
    parser.setApplicationDescription(MainWindow::tr("Statistiques lexicales d'un texte français."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(MainWindow::tr("fichier"),
                                 MainWindow::tr("Le fichier texte à ouvrir au démarrage (facultatif)."),
                                 MainWindow::tr("[fichier]"));
    parser.process(application);
    const QString path = parser.positionalArguments().value(0);

    auto* splash = new SplashWindow([path] {
        auto* mainWindow = new MainWindow;
        mainWindow->setAttribute(Qt::WA_DeleteOnClose);
        mainWindow->show();
        if (!path.isEmpty())
            mainWindow->openTextFile(path);
    });
    splash->show();
    return QApplication::exec();
}
