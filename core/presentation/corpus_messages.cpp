// Saying what went wrong in the making of a corpus, and what was done about it.
#include "core/presentation/corpus_messages.h"

#include "core/text/encoding.h"

namespace quorvelle::french {
namespace {

std::string quoted(std::string_view cp1252)
{
    return "« " + cp1252ToUtf8(cp1252) + " »";
}

} // namespace

std::string corpusNoticeText(const CorpusNotice& notice)
{
    std::string text = notice.line > 0 ? "ligne " + std::to_string(notice.line) + " : " : std::string();
    switch (notice.kind) {
    case CorpusNotice::Kind::MarkerWithoutVariable:
        return text + "la ligne étoilée ne donne aucune variable (*variable_modalité) ; la partie s'appelle "
            + quoted(notice.part) + ".";
    case CorpusNotice::Kind::MalformedProperty:
        return text + quoted(notice.word)
            + " n'a pas la forme *variable_modalité ; ce mot est laissé de côté, comme le reste de la ligne étoilée.";
    case CorpusNotice::Kind::StrayMarkerWord:
        return text + quoted(notice.word)
            + " ne commence pas par une étoile ; une ligne étoilée n'est pas du texte : ce mot n'est pas compté.";
    case CorpusNotice::Kind::DuplicateVariable:
        return text + quoted(notice.word)
            + " donne une seconde fois la même variable ; seule la première valeur compte.";
    case CorpusNotice::Kind::DuplicateName:
        return text + "deux parties s'appellent " + quoted(notice.word) + " ; la seconde est nommée "
            + quoted(notice.part) + ".";
    case CorpusNotice::Kind::PartWithoutForm:
        return text + "la partie " + quoted(notice.part)
            + " n'a aucune forme ; elle est laissée de côté (son texte reste dans le corpus).";
    }
    return text;
}

std::string tooFewGroupsMessage(std::size_t groups, std::string_view variable)
{
    if (groups >= 2)
        return {};
    const std::string what = variable.empty() ? "ce corpus n'a qu'une partie"
        : groups == 0 ? "ce corpus n'a aucune partie"
                      : "toutes les parties ont la même valeur de la variable " + quoted(variable);
    return what + " : une partition en demande au moins deux pour que les parties se comparent.";
}

std::string unknownVariableMessage(std::string_view variable, const std::vector<std::string>& known)
{
    std::string text = "aucune partie du corpus n'a la variable " + quoted(variable);
    if (known.empty())
        return text + " : ses lignes étoilées ne donnent aucune variable.";
    text += " ; ses variables sont : ";
    for (std::size_t place = 0; place < known.size(); ++place)
        text += (place > 0 ? ", " : "") + quoted(known[place]);
    return text + ".";
}

std::string partitionCaption(std::string_view variable)
{
    return variable.empty() ? "chaque partie" : quoted(variable);
}

} // namespace quorvelle::french
