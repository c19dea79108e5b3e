// The program's title, version, pictures and translations.
#include "ui/application.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QTranslator>

#include <array>

// Resource initialisers live outside any namespace (see Q_INIT_RESOURCE).
static void initQuorvelleResources()
{
    Q_INIT_RESOURCE(help);
    Q_INIT_RESOURCE(images);
}

namespace quorvelle::ui {

QString applicationTitle()
{
    return QStringLiteral("Quorvelle");
}

QString applicationVersion()
{
    return QStringLiteral("%1.%2.%3")
        .arg(QUORVELLE_VERSION_MAJOR)
        .arg(QUORVELLE_VERSION_MINOR)
        .arg(QUORVELLE_VERSION_PATCH);
}

QString shortVersion()
{
    return QStringLiteral("%1.%2").arg(QUORVELLE_VERSION_MAJOR).arg(QUORVELLE_VERSION_MINOR);
}

void initResources()
{
    initQuorvelleResources();
}

void installFrenchTranslations(QCoreApplication& application)
{
    // "qt_fr" gathers the French catalogues of every Qt module, qtbase's among them.
    auto* translator = new QTranslator(&application);
    if (translator->load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qt"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

QPixmap renderDrawing(const QString& resource, const QSize& size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

QPixmap logoPixmap(int size)
{
    return renderDrawing(QStringLiteral(":/images/quorvelle.svg"), QSize(size, size));
}

QIcon applicationIcon()
{
    constexpr std::array iconSizes = {16, 24, 32, 48, 64, 128, 256};
    QIcon icon;
    for (const int size : iconSizes)
        icon.addPixmap(logoPixmap(size));
    return icon;
}

void setUpApplication(QApplication& application)
{
    QApplication::setApplicationName(applicationTitle());
    QApplication::setApplicationVersion(applicationVersion());
    initResources();
    installFrenchTranslations(application);
    QApplication::setWindowIcon(applicationIcon());
}

} // namespace quorvelle::ui
