// quorvelle-monkey: random but reproducible user actions on the desktop program, for a given
// time. Prints its seed first and "N actions, F failures" at the end; exits 0 only when no
// failure was seen. A crash or a sanitizer report ends the run at once (scripts/monkey.sh then
// prints the last actions of the log); an interface that does not answer for 5 s is reported
// with the last actions, then stopped.
#include "monkey/ActionLog.h"
#include "monkey/Monkey.h"
#include "monkey/Watchdog.h"
#include "monkey/monkey_texts.h"
#include "ui/application.h"
#include "ui/main/MainWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QTimer>

#include <atomic>
#include <cstdio>
#include <iostream>

namespace {

using namespace quorvelle;

constexpr std::chrono::milliseconds blockedInterfaceLimit{5000};
constexpr std::chrono::milliseconds heartbeatInterval{100};

std::atomic<int> failures{0};
QtMessageHandler qtHandler = nullptr;

// Qt's critical messages count as failures; every message is still printed as usual, except
// the offscreen platform's notes on what it cannot do with windows.
void countCriticalMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (type == QtCriticalMsg) {
        ++failures;
        std::cerr << "FAILURE: Qt critical message\n";
    }
    qtHandler(type, context, message);
}

struct Options {
    std::uint64_t seed = 0;
    std::chrono::seconds duration{60};
    QString workFolder;
    QString corpusFolder;
};

std::optional<Options> readOptions(const QApplication& application)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Random but reproducible user actions on the desktop program."));
    parser.addHelpOption();
    const QCommandLineOption seconds(QStringLiteral("seconds"), QStringLiteral("How long to run."),
                                     QStringLiteral("seconds"), QStringLiteral("60"));
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("The seed of the run."),
                                  QStringLiteral("seed"));
    const QCommandLineOption work(QStringLiteral("work"), QStringLiteral("An empty folder for texts, log and output."),
                                  QStringLiteral("folder"));
    const QCommandLineOption corpus(QStringLiteral("corpus"), QStringLiteral("The folder of the texts to open."),
                                    QStringLiteral("folder"));
    parser.addOptions({seconds, seed, work, corpus});
    parser.process(application);

    Options options;
    bool secondsRead = false;
    bool seedRead = false;
    options.duration = std::chrono::seconds(parser.value(seconds).toLongLong(&secondsRead));
    options.seed = parser.value(seed).toULongLong(&seedRead);
    options.workFolder = parser.value(work);
    options.corpusFolder = parser.value(corpus);
    if (!secondsRead || !seedRead || options.workFolder.isEmpty() || options.corpusFolder.isEmpty())
        return std::nullopt;
    return options;
}

} // namespace

int main(int argc, char* argv[])
{
    using namespace quorvelle::monkey;

    QApplication application(argc, argv);
    ui::setUpApplication(application);
    const std::optional<Options> options = readOptions(application);
    if (!options) {
        std::cerr << "usage: quorvelle-monkey --seconds N --seed N --work FOLDER --corpus FOLDER\n";
        return 2;
    }
    std::cout << "Monkey seed " << options->seed << std::endl;

    const QDir work(options->workFolder);
    Workspace workspace;
    workspace.texts = writeMonkeyTexts(options->corpusFolder, work.filePath(QStringLiteral("texts")), options->seed);
    workspace.outputFolder = work.filePath(QStringLiteral("output"));
    workspace.notAFolder = work.filePath(QStringLiteral("pas-un-dossier"));
    if (workspace.texts.isEmpty() || !QDir{}.mkpath(workspace.outputFolder)
        || !QFile(workspace.notAFolder).open(QIODevice::WriteOnly)) {
        std::cerr << "cannot prepare the texts in " << options->workFolder.toStdString() << '\n';
        return 2;
    }

    ActionLog log(work.filePath(QStringLiteral("actions.log")));
    qtHandler = qInstallMessageHandler(countCriticalMessages);
    const std::uint64_t seed = options->seed;
    Watchdog watchdog(blockedInterfaceLimit, [&log, seed] {
        std::cerr << "FAILURE: the interface did not answer for more than 5 s (seed " << seed << "); last actions:\n"
                  << log.lastActions() << std::flush;
    });
    QTimer heartbeat;
    QObject::connect(&heartbeat, &QTimer::timeout, [&watchdog] { watchdog.beat(); });
    heartbeat.start(heartbeatInterval);

    Monkey monkey(options->seed, options->duration, workspace, log);
    monkey.start();
    // Closing the main window ends the program; the monkey starts it again until its time is up.
    while (!monkey.finished()) {
        auto* mainWindow = new ui::MainWindow;
        mainWindow->setAttribute(Qt::WA_DeleteOnClose);
        mainWindow->show();
        QApplication::exec();
        watchdog.beat();
    }
    std::cout << log.count() << " actions, " << failures << " failures" << std::endl;
    return failures == 0 ? 0 : 1;
}
