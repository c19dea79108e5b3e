// The French function words and sets of forms read from a list.
#include "core/text/function_words.h"

#include "core/text/collation.h"
#include "core/text/encoding.h"
#include "core/text/segmentation.h"

#include <array>
#include <string_view>

namespace quorvelle {
namespace {

// The program's list, by kind of word, in UTF-8. Elided forms stand as the text cuts them (l', qu'
// give l, qu), and so do the halves of compound words (celle-ci gives celle and ci, jusqu'à
// gives jusqu and à). A form that belongs to several kinds is listed under the first.
struct KindInUtf8 {
    std::string_view name;
    std::string_view forms;
};

constexpr std::array kindsInUtf8 = {
    KindInUtf8{"Articles et déterminants",
               "le la les l un une des du de d au aux ce cet cette ces mon ma mes ton ta tes son sa ses notre "
               "nos votre vos leur leurs quel quelle quels quelles quelque quelques chaque plusieurs aucun aucune "
               "nul nulle tout toute tous toutes autre autres même mêmes tel telle tels telles certain certaine "
               "certains certaines"},
    KindInUtf8{"Pronoms",
               "je j me m moi tu te t toi il elle ils elles lui eux on nous vous se s soi y en ceci cela ça c "
               "celui celle ceux celles ci là qui que qu quoi dont où lequel laquelle lesquels lesquelles auquel "
               "auxquels auxquelles duquel desquels desquelles mien mienne miens miennes tien tienne tiens "
               "tiennes sien sienne siens siennes nôtre nôtres vôtre vôtres rien personne chacun chacune "
               "quiconque"},
    KindInUtf8{"Prépositions",
               "à après avant avec chez contre dans depuis derrière dès devant durant entre envers hormis hors "
               "jusque jusqu malgré par parmi pendant pour sans sauf selon sous sur vers voici voilà outre près "
               "auprès afin"},
    KindInUtf8{"Conjonctions",
               "et ou mais donc or ni car quand lorsque lorsqu puisque puisqu quoique quoiqu si comme tandis "
               "parce sinon soit"},
    KindInUtf8{"Adverbes de négation, de degré, de temps et de lieu",
               "ne n pas plus point jamais guère non oui très trop peu bien tant aussi autant moins encore "
               "déjà toujours souvent alors puis ensuite enfin ici ainsi cependant pourtant toutefois assez "
               "beaucoup presque seulement surtout comment combien pourquoi"},
    KindInUtf8{"Formes d'être",
               "être été étant suis es est sommes êtes sont étais était étions étiez étaient fus fut fûmes "
               "fûtes furent serai seras sera serons serez seront serais serait serions seriez seraient sois "
               "soyons soyez soient fusse fût"},
    KindInUtf8{"Formes d'avoir",
               "avoir eu ayant ai as a avons avez ont avais avait avions aviez avaient eus eut eûmes eûtes "
               "eurent aurai auras aura aurons aurez auront aurais aurait aurions auriez auraient aie aies "
               "ait ayons ayez aient eusse eût"},
};

std::array<FunctionWordKind, kindsInUtf8.size()> kindsInCp1252()
{
    std::array<FunctionWordKind, kindsInUtf8.size()> kinds;
    for (std::size_t place = 0; place < kinds.size(); ++place)
        kinds[place] = {kindsInUtf8[place].name, decodeText(std::string(kindsInUtf8[place].forms), Encoding::Utf8)};
    return kinds;
}

const std::array<FunctionWordKind, kindsInUtf8.size()>& frenchKinds()
{
    static const auto kinds = kindsInCp1252();
    return kinds;
}

} // namespace

FunctionWords FunctionWords::fromText(std::string_view text, LetterRule letters)
{
    const Alphabet& alphabet = Alphabet::of(letters);
    FunctionWords words;
    while (!text.empty()) {
        const std::size_t lineEnd = text.find_first_of("\r\n");
        const std::string_view line = text.substr(0, lineEnd);
        if (!line.starts_with('#'))
            forEachForm(line, alphabet, [&](std::string_view form) { words.forms_.insert(alphabet.lowerCased(form)); });
        text.remove_prefix(lineEnd == std::string_view::npos ? text.size() : lineEnd + 1);
    }
    return words;
}

bool FunctionWords::containsEach(std::string_view forms) const
{
    for (std::size_t start = 0; start <= forms.size();) {
        const std::size_t end = std::min(forms.find(' ', start), forms.size());
        if (!contains(forms.substr(start, end - start)))
            return false;
        start = end + 1;
    }
    return true;
}

std::string FunctionWords::asLines() const
{
    const std::vector<std::string_view> sorted(forms_.begin(), forms_.end());
    std::string lines;
    for (const std::size_t place : FrenchCollator::instance().order(sorted))
        lines.append(sorted[place]).push_back('\n');
    return lines;
}

const FunctionWords& frenchFunctionWords()
{
    static const FunctionWords words = [] {
        std::string all;
        for (const FunctionWordKind& kind : frenchKinds())
            all.append(kind.forms).push_back('\n');
        return FunctionWords::fromText(all);
    }();
    return words;
}

std::span<const FunctionWordKind> frenchFunctionWordKinds()
{
    return frenchKinds();
}

} // namespace quorvelle
