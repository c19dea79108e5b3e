// Reading a text file into a box, with the size question and the failure messages.
#include "ui/text_opening.h"

#include "core/documents/document_text.h"
#include "core/presentation/french_messages.h"
#include "core/text/text_file.h"
#include "ui/LoadedTextBox.h"
#include "ui/MessageBox.h"
#include "ui/WaitDialog.h"
#include "ui/cancellable_work.h"
#include "ui/cp1252_text.h"
#include "ui/file_dialogs.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QObject>
#include <QPointer>
#include <QThreadPool>

#include <cstdint>
#include <filesystem>
#include <new>
#include <optional>

namespace quorvelle::ui {
namespace {

/// Above this size a file is kept only if the user confirms.
constexpr std::uintmax_t largestFileWithoutQuestion = 64000;

/// The "Go" of the messages: 2^30 bytes, the unit of the largest readable file.
constexpr std::uintmax_t bytesPerGigabyte = std::uintmax_t{1} << 30;

QString largeFileQuestion()
{
    const QString crLf = QStringLiteral("\r\n");
    const QString lfCr = QStringLiteral("\n\r");
    return QObject::tr("Attention!") + crLf + QObject::tr("Le texte, objet des statistiques à établir,") + crLf
        + QObject::tr("dépasse la taille maximale autorisée par l'application (env. 500 lignes ou 64 Kb de données).")
        + crLf + QObject::tr("En cas d'exécution,") + crLf
        + QObject::tr("les statistiques produites porteront sur tout le texte, mais leur calcul pourra être plus long.")
        + lfCr + crLf + QObject::tr("Désirez-vous continuer?") + lfCr;
}

void reportOpenFailure(const FileError& error, QWidget* parent)
{
    const QString path = fileNameOf(error.path());
    MessageBox::warning(parent, QObject::tr("Ouverture impossible"),
                        utf8Text(french::fileErrorHeading(path.toStdString())) + QStringLiteral("\r\n")
                            + utf8Text(french::fileErrorReason(error)));
}

/// The thread files are read in: reading waits on the disk, not for the analyses and reports
/// of the text being replaced, which may hold every thread of the global pool.
QThreadPool* fileReadingPool()
{
    // Owned by the application, made again should another application follow it.
    static QPointer<QThreadPool> pool;
    if (!pool) {
        pool = new QThreadPool(QCoreApplication::instance());
        pool->setMaxThreadCount(1);
    }
    return pool;
}

// What was read into box: the size of the text (a document's extracted text) and how it was
// read, or nothing after reporting why it could not be.
struct ReadText {
    std::uintmax_t size;
    Encoding encoding;
};

std::optional<ReadText> readInto(LoadedTextBox* box, const QString& fullPath, QWidget* parent)
{
    try {
        // Reading and decoding a hundred megabytes takes some tenths of a second: the windows
        // keep painting meanwhile, and the wait dialog shows if it takes longer.
        std::optional<LoadedText> loaded = resultAfterWaiting(
            parent, runCancellable([path = filePathOf(fullPath)] { return loadTextFile(path); }, fileReadingPool()));
        if (!loaded)
            return std::nullopt;
        box->setCp1252Text(std::make_shared<const std::string>(std::move(loaded->text)));
        return ReadText{loaded->size, loaded->encoding};
    } catch (const FileError& error) {
        box->setText(QString());
        reportUnreadableFile(error, parent);
    } catch (const std::bad_alloc&) {
        // A text too large to hold in memory, or in the text box.
        box->setText(QString());
        reportTooLargeText(parent);
    }
    return std::nullopt;
}

} // namespace

void reportTooLargeText(QWidget* parent)
{
    MessageBox::information(
        parent, QObject::tr("Fichier trop volumineux"),
        QObject::tr("Le fichier est trop volumineux.") + QStringLiteral("\r\n")
            + QObject::tr("Le fichier ne peut dépasser la taille de %1 Go, ni celle de la mémoire disponible.")
                  .arg(maxTextFileBytes / bytesPerGigabyte));
}

void reportUnreadableFile(const FileError& error, QWidget* parent)
{
    if (error.reason() == FileError::Reason::TooLarge)
        reportTooLargeText(parent);
    else
        reportOpenFailure(error, parent);
}

std::optional<OpenedText> openTextInto(LoadedTextBox* box, const QString& path, QWidget* parent)
{
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    const std::optional<ReadText> read = readInto(box, fullPath, parent);
    if (!read)
        return std::nullopt;
    if (read->size > largestFileWithoutQuestion
        && MessageBox::question(parent, QObject::tr("La taille du fichier"), largeFileQuestion()) == QMessageBox::No) {
        box->setText(QString());
        return std::nullopt;
    }
    return OpenedText{fullPath, read->encoding};
}

} // namespace quorvelle::ui
