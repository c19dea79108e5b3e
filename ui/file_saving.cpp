// Files saved through QSaveFile, their failures explained.
#include "ui/file_saving.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace quorvelle::ui {
namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("quorvelle::ui", text);
}

QString reasonOf(const QSaveFile& file, const QString& path)
{
    const QDir folder = QFileInfo(path).absoluteDir();
    if (!folder.exists())
        return tr("le dossier « %1 » n'existe pas").arg(QDir::toNativeSeparators(folder.path()));
    switch (file.error()) {
    case QFileDevice::ResourceError:
        return tr("le disque est plein");
    case QFileDevice::PermissionsError:
    case QFileDevice::OpenError:
        return tr("le programme n'a pas le droit d'écrire dans ce dossier");
    case QFileDevice::WriteError:
        return tr("l'écriture a échoué, le disque est peut-être plein");
    default:
        return tr("le système a refusé de l'écrire");
    }
}

} // namespace

QString saveWhole(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return reasonOf(file, path);
    if (file.write(bytes) != bytes.size()) {
        const QString reason = reasonOf(file, path);
        file.cancelWriting();
        return reason;
    }
    return file.commit() ? QString() : reasonOf(file, path);
}

} // namespace quorvelle::ui
