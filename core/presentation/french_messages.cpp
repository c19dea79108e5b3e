// The shared French texts.
#include "core/presentation/french_messages.h"

namespace quorvelle::french {
namespace {

constexpr std::string_view crLf = "\r\n";
constexpr std::string_view lfCr = "\n\r";
constexpr std::string_view countIndent = "          ";
constexpr std::size_t ruleLength = 36;

} // namespace

std::string charactersMessage(const CharacterCounts& counts)
{
    std::string message = "Le texte contient: ";
    message += crLf;
    message += crLf;
    const auto addCount = [&message](std::int64_t count, std::string_view what) {
        message += countIndent;
        message += std::to_string(count);
        message += what;
        message += lfCr;
    };
    addCount(counts.alphabetic, " Caractère(s) alphabetique");
    addCount(counts.numeric, " Caractère(s) numérique");
    addCount(counts.special, " Caractère(s) spécial(aux)");
    message += countIndent;
    message += std::string(ruleLength, '-');
    message += crLf;
    message += "Total:  " + std::to_string(counts.total) + " Caractère(s)";
    message += lfCr;
    return message;
}

std::string wordsMessage(std::int64_t words)
{
    return "Le texte contient " + std::to_string(words) + " mot(s)";
}

std::string_view fileErrorReason(FileError::Reason reason)
{
    switch (reason) {
    case FileError::Reason::NotFound:
        return "il est introuvable.";
    case FileError::Reason::IsDirectory:
        return "c'est un dossier, pas un fichier texte.";
    case FileError::Reason::NotRegularFile:
        return "ce n'est pas un fichier ordinaire (périphérique, tube ou socket).";
    case FileError::Reason::PermissionDenied:
        return "la permission de le lire est refusée.";
    case FileError::Reason::TooLarge:
        return "il est trop volumineux pour être lu.";
    case FileError::Reason::ReadFailed:
        break;
    }
    return "une erreur de lecture est survenue.";
}

std::string fileErrorHeading(std::string_view path)
{
    return "Le fichier « " + std::string(path) + " » ne peut pas être ouvert :";
}

} // namespace quorvelle::french
