// quorvelle: the desktop program. Starts on the splash window, which hands over to the main
// window; a file named on the command line is then opened as "&Ouvrir..." would open it.
#include "ui/application.h"
#include "ui/main/Form1.h"
#include "ui/shell/frmSplash.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char* argv[])
{
    using namespace quorvelle::ui;

    QApplication application(argc, argv);
    setUpApplication(application);

    QCommandLineParser parser;
    parser.setApplicationDescription(Form1::tr("Statistiques lexicales d'un texte français."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(Form1::tr("fichier"), Form1::tr("Le fichier texte à ouvrir au démarrage (facultatif)."),
                                 Form1::tr("[fichier]"));
    parser.process(application);
    const QString path = parser.positionalArguments().value(0);

    auto* splash = new frmSplash([path] {
        auto* mainWindow = new Form1;
        mainWindow->setAttribute(Qt::WA_DeleteOnClose);
        mainWindow->show();
        if (!path.isEmpty())
            mainWindow->openTextFile(path);
    });
    splash->show();
    return QApplication::exec();
}
