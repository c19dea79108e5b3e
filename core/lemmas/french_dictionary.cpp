// Reading the dictionary's analyses into lemmas and categories.
#include "core/lemmas/french_dictionary.h"

#include "core/text/encoding.h"
#include "core/text/file_path.h"

#include <hunspell.hxx>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <utility>

namespace quorvelle {

namespace {

constexpr std::string_view lemmaField = "st:";
constexpr std::string_view categoryField = "po:";

// The category a dictionary tag gives, or nothing for a tag that says something else (a
// tense, a person, a number) or nothing a class names (a prefix, a misspelling).
std::optional<WordCategory> categoryOfTag(std::string_view tag)
{
    struct TagCategory {
        std::string_view tag;
        WordCategory category;
    };
    static constexpr std::array tags = {
        TagCategory{"nom", WordCategory::Noun},
        TagCategory{"loc.nom", WordCategory::Noun},
        TagCategory{"titr", WordCategory::Noun},
        TagCategory{"npr", WordCategory::ProperNoun},
        TagCategory{"prn", WordCategory::ProperNoun},
        TagCategory{"patr", WordCategory::ProperNoun},
        TagCategory{"loc.patr", WordCategory::ProperNoun},
        TagCategory{"adj", WordCategory::Adjective},
        TagCategory{"loc.adj", WordCategory::Adjective},
        TagCategory{"adv", WordCategory::Adverb},
        TagCategory{"loc.adv", WordCategory::Adverb},
        TagCategory{"negadv", WordCategory::Adverb},
        TagCategory{"advint", WordCategory::Adverb},
        TagCategory{"det", WordCategory::Determiner},
        TagCategory{"detpos", WordCategory::Determiner},
        TagCategory{"detdem", WordCategory::Determiner},
        TagCategory{"detind", WordCategory::Determiner},
        TagCategory{"detneg", WordCategory::Determiner},
        TagCategory{"detex", WordCategory::Determiner},
        TagCategory{"propersuj", WordCategory::Pronoun},
        TagCategory{"properobj", WordCategory::Pronoun},
        TagCategory{"prodem", WordCategory::Pronoun},
        TagCategory{"proind", WordCategory::Pronoun},
        TagCategory{"prorel", WordCategory::Pronoun},
        TagCategory{"proint", WordCategory::Pronoun},
        TagCategory{"proneg", WordCategory::Pronoun},
        TagCategory{"proadv", WordCategory::Pronoun},
        TagCategory{"prep", WordCategory::Preposition},
        TagCategory{"prepv", WordCategory::Preposition},
        TagCategory{"loc.prep", WordCategory::Preposition},
        TagCategory{"loc.prepv", WordCategory::Preposition},
        TagCategory{"cjco", WordCategory::Conjunction},
        TagCategory{"cjsub", WordCategory::Conjunction},
        TagCategory{"cj", WordCategory::Conjunction},
        TagCategory{"loc.cj", WordCategory::Conjunction},
        TagCategory{"loc.cjsub", WordCategory::Conjunction},
        TagCategory{"interj", WordCategory::Interjection},
        TagCategory{"loc.interj", WordCategory::Interjection},
        TagCategory{"nb", WordCategory::Number},
        TagCategory{"nbro", WordCategory::Number},
        TagCategory{"loc.verb", WordCategory::Verb},
    };
    const auto found = std::ranges::find(tags, tag, &TagCategory::tag);
    return found == tags.end() ? std::nullopt : std::optional(found->category);
}

// A verb's tag: v0 for être and avoir, v1 to v3 for the three groups, then its constructions.
bool isVerbTag(std::string_view tag)
{
    return tag.size() >= 2 && tag[0] == 'v' && tag[1] >= '0' && tag[1] <= '3';
}

bool isFiniteTenseTag(std::string_view tag)
{
    static constexpr std::array<std::string_view, 8> tenses = {"ipre", "iimp", "ipsi", "ifut",
                                                               "cond", "spre", "simp", "impe"};
    return std::ranges::find(tenses, tag) != tenses.end();
}

// The dictionary gives most determiners and pronouns as their own lemma; a class brings them
// to the masculine singular, as it does adjectives. Code page 1252.
std::string_view masculineSingular(std::string_view lemma)
{
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 30> lemmas = {{
        {"la", "le"},           {"les", "le"},          {"une", "un"},
        {"cette", "ce"},        {"cet", "ce"},          {"ces", "ce"},
        {"ma", "mon"},          {"mes", "mon"},         {"ta", "ton"},
        {"tes", "ton"},         {"sa", "son"},          {"ses", "son"},
        {"nos", "notre"},       {"vos", "votre"},       {"ils", "il"},
        {"elles", "elle"},      {"celle", "celui"},     {"celles", "celui"},
        {"ceux", "celui"},      {"toute", "tout"},      {"toutes", "tout"},
        {"tous", "tout"},       {"aucune", "aucun"},    {"nulle", "nul"},
        {"laquelle", "lequel"}, {"lesquels", "lequel"}, {"lesquelles", "lequel"},
        {"quelle", "quel"},     {"quels", "quel"},      {"quelles", "quel"},
    }};
    const auto found = std::ranges::find(lemmas, lemma, &std::pair<std::string_view, std::string_view>::first);
    return found == lemmas.end() ? lemma : found->second;
}

// A lemma of the dictionary (UTF-8) in code page 1252, its typographic apostrophe made plain
// (aujourd’hui → aujourd'hui).
std::string lemmaOf(std::string_view utf8)
{
    std::string lemma = decodeText(std::string(utf8), Encoding::Utf8);
    std::ranges::replace(lemma, '\x92', '\'');
    return lemma;
}

// The dictionary lemmatizes to the 1990 spelling, which drops the circumflex of connaître,
// naître, paraître, croître; the texts a class reads keep it.
std::string classicalSpelling(std::string verb)
{
    if (verb.ends_with("aitre") || verb.ends_with("oitre"))
        verb[verb.size() - 4] = '\xEE'; // the i of -itre
    return verb;
}

void addReading(std::vector<Reading>& readings, Reading reading)
{
    if (std::ranges::find(readings, reading) == readings.end())
        readings.push_back(std::move(reading));
}

// The readings of one analysis.
void addReadingsOfAnalysis(std::vector<Reading>& readings, std::string_view analysis)
{
    std::string lemma;
    std::vector<WordCategory> categories;
    Reading verb;
    bool isVerb = false;
    bool grammatical = false;
    bool relative = false;
    while (!analysis.empty()) {
        const std::size_t space = analysis.find(' ');
        const std::string_view field = analysis.substr(0, space);
        analysis.remove_prefix(space == std::string_view::npos ? analysis.size() : space + 1);
        if (field.starts_with(lemmaField)) {
            lemma = lemmaOf(field.substr(lemmaField.size()));
            continue;
        }
        if (!field.starts_with(categoryField))
            continue;
        const std::string_view tag = field.substr(categoryField.size());
        if (tag == "mg")
            grammatical = true;
        else if (isVerbTag(tag))
            isVerb = true;
        else if (tag == "ppas")
            verb.pastParticiple = true;
        else if (isFiniteTenseTag(tag))
            verb.finite = true;
        else if (tag == "infi")
            verb.infinitive = true;
        else if (const std::optional<WordCategory> category = categoryOfTag(tag))
            categories.push_back(*category);
        relative = relative || tag == "prorel";
    }
    if (lemma.empty())
        return;
    if (isVerb) {
        // A participle's adjective reading is the verb's: "mangé" is manger's.
        verb.lemma = classicalSpelling(std::move(lemma));
        verb.category = WordCategory::Verb;
        addReading(readings, std::move(verb));
        return;
    }
    // A contracted article (au, du) is a determiner before it is a preposition.
    std::stable_partition(categories.begin(), categories.end(),
                          [](WordCategory category) { return category == WordCategory::Determiner; });
    for (const WordCategory category : categories) {
        const bool bringsToMasculine = category == WordCategory::Determiner || category == WordCategory::Pronoun;
        addReading(readings,
                   {.lemma = bringsToMasculine ? std::string(masculineSingular(lemma)) : lemma,
                    .category = category,
                    .grammatical = grammatical,
                    .relative = relative && category == WordCategory::Pronoun});
    }
}

} // namespace

bool Reading::isAuxiliaryVerb() const
{
    return (category == WordCategory::Verb || category == WordCategory::Auxiliary)
        && (lemma == "\xEAtre" || lemma == "avoir");
}

DictionaryError::DictionaryError(const std::filesystem::path& missingFile)
    : std::runtime_error("le dictionnaire fran\xC3\xA7"
                         "ais est introuvable ("
                         + utf8Name(missingFile)
                         + ") : installez le paquet hunspell-fr-comprehensive pour les lemmes et les "
                           "cat\xC3\xA9gories. Toutes les autres statistiques restent disponibles.")
{
}

std::vector<Reading> readingsOfAnalyses(std::span<const std::string> analyses)
{
    std::vector<Reading> readings;
    for (const std::string& analysis : analyses)
        addReadingsOfAnalysis(readings, analysis);
    return readings;
}

FrenchDictionary::FrenchDictionary(const std::filesystem::path& directory)
{
    const std::filesystem::path affixes = directory / "fr.aff";
    const std::filesystem::path words = directory / "fr.dic";
    for (const std::filesystem::path& file : {affixes, words}) {
        std::error_code error;
        if (!std::filesystem::is_regular_file(file, error))
            throw DictionaryError(file);
    }
    hunspell_ =
        std::make_unique<Hunspell>(pathForNarrowLibraries(affixes).c_str(), pathForNarrowLibraries(words).c_str());
}

FrenchDictionary::~FrenchDictionary() = default;

std::vector<Reading> FrenchDictionary::readings(std::string_view word) const
{
    const std::lock_guard lock(mutex_);
    const std::string key(word);
    if (const auto remembered = remembered_.find(key); remembered != remembered_.end())
        return remembered->second;
    std::vector<Reading> readings = readingsOfAnalyses(hunspell_->analyze(cp1252ToUtf8(word)));
    if (remembered_.size() >= mostRememberedWords)
        remembered_.clear();
    remembered_.emplace(key, readings);
    return readings;
}

std::filesystem::path FrenchDictionary::defaultDirectory()
{
    if (const char* directory = std::getenv("QUORVELLE_DICTIONARY_DIR"); directory && *directory)
        return directory;
#ifdef _WIN32
    // The Windows version carries the dictionary in a folder beside the programs.
    return programFolder() / "hunspell";
#else
    return "/usr/share/hunspell";
#endif
}

std::shared_ptr<const FrenchDictionary> sharedFrenchDictionary()
{
    static std::mutex mutex;
    static std::shared_ptr<const FrenchDictionary> dictionary;
    const std::lock_guard lock(mutex);
    if (!dictionary)
        dictionary = std::make_shared<const FrenchDictionary>();
    return dictionary;
}

} // namespace quorvelle
