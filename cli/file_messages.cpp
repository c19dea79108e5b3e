// The wording of file errors.
#include "cli/file_messages.h"

namespace quorvelle::cli {

std::string fileErrorMessage(const FileError& error)
{
    const std::string name = "« " + error.path().string() + " »";
    switch (error.reason()) {
    case FileError::Reason::NotFound:
        return "le fichier " + name + " est introuvable.";
    case FileError::Reason::IsDirectory:
        return name + " est un dossier, pas un fichier texte.";
    case FileError::Reason::NotRegularFile:
        return name + " n'est pas un fichier ordinaire (périphérique, tube ou socket) : il ne peut pas être lu comme un texte.";
    case FileError::Reason::PermissionDenied:
        return "le fichier " + name + " ne peut pas être lu : permission refusée.";
    case FileError::Reason::TooLarge:
        return "le fichier " + name + " est trop volumineux pour être lu.";
    case FileError::Reason::ReadFailed:
        break;
    }
    return "le fichier " + name + " ne peut pas être lu : erreur de lecture.";
}

} // namespace quorvelle::cli
