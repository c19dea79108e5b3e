// The shared French texts.
#include "core/presentation/french_messages.h"

#include "core/text/encoding.h"

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

std::string occurrenceCount(std::size_t count)
{
    return std::to_string(count) + (count < 2 ? " occurrence" : " occurrences");
}

namespace {

// The code page 1252 items joined by ", ", in UTF-8.
std::string joinedItems(const std::vector<std::string>& items)
{
    std::string joined;
    for (const std::string& item : items)
        joined.append(joined.empty() ? "" : ", ").append(cp1252ToUtf8(item));
    return joined;
}

} // namespace

std::string searchOutcome(const Concordance& concordance)
{
    if (!concordance.matches.empty()) {
        std::vector<std::string> found;
        for (const FormCount& match : concordance.matches)
            found.push_back(match.form + " (" + std::to_string(match.count) + ")");
        return "Formes trouvées : " + joinedItems(found);
    }
    if (!concordance.closest.empty())
        return "Aucune forme du texte ne répond ; les plus proches : " + joinedItems(concordance.closest);
    if (concordance.occurrences.empty() && !concordance.query.empty())
        return "Aucune forme du texte ne répond.";
    return {};
}

std::string fileErrorReason(const FileError& error)
{
    using Reason = FileError::Reason;
    const std::string document = "ce document " + error.detail();
    switch (error.reason()) {
    case Reason::NotFound:
        return "il est introuvable.";
    case Reason::IsDirectory:
        return "c'est un dossier, pas un fichier texte.";
    case Reason::NotRegularFile:
        return "ce n'est pas un fichier ordinaire (périphérique, tube ou socket).";
    case Reason::PermissionDenied:
        return "la permission de le lire est refusée.";
    case Reason::TooLarge:
        return "il est trop volumineux pour être lu.";
    case Reason::ReadFailed:
        break;
    case Reason::DamagedDocument:
        return document + " est endommagé ou incomplet : son contenu ne peut pas être lu.";
    case Reason::ProtectedDocument:
        return document
            + " est protégé (mot de passe ou verrou numérique) : enregistrez-le sans protection "
              "pour en lire le texte.";
    case Reason::ImagesOnlyDocument:
        return document + " ne contient que des images (des pages numérisées, sans doute), aucun texte à lire.";
    case Reason::DocumentTooLarge:
        return "une fois décompressé, " + document + " dépasserait "
            + std::to_string(maxDecompressedDocumentBytes >> 20) + " Mo, la limite que le programme s'accorde.";
    case Reason::UnsafeDocument:
        return document + " déclare des entités XML, que le programme refuse de développer par sécurité.";
    case Reason::NotADocument:
        return "c'est une archive ZIP qui n'est pas un document texte (OpenDocument, Word ou EPUB).";
    case Reason::OldOfficeDocument:
        return "c'est un document Word 97-2003 (.doc) ou un autre format binaire que le programme ne lit pas : "
               "enregistrez-le en .odt, en .docx ou en texte brut.";
    case Reason::MissingDocumentPart:
        return "ce livre EPUB annonce le fichier « " + error.detail() + " », absent de l'archive.";
    case Reason::DocumentReadersMissing:
        return "c'est un document, et le module de lecture des documents (" + error.detail()
            + ") est introuvable : le programme ne peut lire que des textes. Réinstallez Quorvelle.";
    case Reason::DocumentReadersUnusable:
        return "c'est un document, et le module de lecture des documents (" + error.detail()
            + ") ne peut pas être chargé (il est endommagé ou d'une autre version de Quorvelle) : le programme "
              "ne peut lire que des textes. Réinstallez Quorvelle.";
    }
    return "une erreur de lecture est survenue.";
}

std::string titleUnderRule(std::string_view title, LetterRule letters)
{
    std::string shown(title);
    if (letters == LetterRule::Extended)
        shown.append(" (").append(extendedLettersNote).append(")");
    return shown;
}

std::string letterRuleLine(LetterRule letters)
{
    std::string line;
    if (letters == LetterRule::Extended)
        line.append("(").append(extendedLettersNote).append(")");
    return line;
}

std::string fileErrorHeading(std::string_view path)
{
    return "Le fichier « " + std::string(path) + " » ne peut pas être ouvert :";
}

} // namespace quorvelle::french
