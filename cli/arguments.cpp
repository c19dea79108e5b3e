// Parsing the command line, with a French message for every mistake.
#include "cli/arguments.h"

#include "cli/corpus_commands.h"
#include "cli/form_commands.h"
#include "cli/statistics.h"
#include "core/catalogue/statistic_register.h"
#include "core/statistics/concordance_command.h"
#include "core/text/file_path.h"
#include "core/text/letters.h"
#include "core/text/segmentation.h"
#include "core/text/text_file.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <span>
#include <string>

namespace quorvelle::cli {
namespace {

constexpr std::string_view acrossSentencesOption = "--across-sentences";
constexpr std::string_view contextFormsOption = "--context-forms";
constexpr std::string_view encodingOption = "--encoding";
constexpr std::string_view explainOption = "--explain";
constexpr std::string_view extendedLettersOption = "--extended-letters";
constexpr std::string_view jobsOption = "--jobs";
constexpr std::string_view lemmaOption = "--lemma";
constexpr std::string_view maximalOption = "--maximal";
constexpr std::string_view maxLengthOption = "--max-length";
constexpr std::string_view minCountOption = "--min-count";
constexpr std::string_view minFrequencyOption = "--min-frequency";
constexpr std::string_view minLengthOption = "--min-length";
constexpr std::string_view minScoreOption = "--min-score";
constexpr std::string_view partitionOption = "--partition";
constexpr std::string_view partsOption = "--parts";
constexpr std::string_view regexOption = "--regex";
constexpr std::string_view sortOption = "--sort";
constexpr std::string_view spanOption = "--span";
constexpr std::string_view stoplistOption = "--stoplist";
constexpr std::string_view thresholdOption = "--threshold";
constexpr std::string_view unitOption = "--unit";
constexpr std::string_view widthOption = "--width";
constexpr unsigned mostJobs = 256;
// A dispersion lists every part, its rows built whole as the window's grid, some 160 bytes a
// part. A hundred thousand parts, a thousand times the desktop's largest choice, cut a 100 MB
// text into parts of some 170 forms and a small one into single forms or empty parts: more
// would tell nothing more, only take memory and make the listing longer.
constexpr std::int64_t mostParts = 100'000;

// The options that only some commands take, and those commands.
struct OptionScope {
    std::string_view option;
    std::array<std::string_view, 4> commands; // the last ones empty when fewer commands take it
};

constexpr std::array optionScopes = {
    OptionScope{jobsOption, {allStatisticsName}},
    OptionScope{thresholdOption, {registered::specificities.name, allStatisticsName, registered::corpus.name}},
    OptionScope{minFrequencyOption, {registered::segments.name, registered::corpus.name}},
    OptionScope{partitionOption, {registered::corpus.name, registered::progression.name}},
    OptionScope{minLengthOption, {registered::segments.name}},
    OptionScope{maxLengthOption, {registered::segments.name}},
    OptionScope{maximalOption, {registered::segments.name}},
    OptionScope{widthOption, {registered::concordance.name}},
    OptionScope{contextFormsOption, {registered::concordance.name}},
    OptionScope{sortOption, {registered::concordance.name}},
    OptionScope{lemmaOption, {registered::concordance.name, registered::collocates.name}},
    OptionScope{regexOption, {registered::concordance.name, registered::collocates.name, registered::dispersion.name}},
    OptionScope{unitOption, {registered::specificities.name, registered::corpus.name, registered::progression.name}},
    OptionScope{partsOption, {registered::dispersion.name}},
    OptionScope{spanOption, {registered::collocates.name}},
    OptionScope{acrossSentencesOption, {registered::collocates.name}},
    OptionScope{minCountOption, {registered::collocates.name}},
    OptionScope{minScoreOption, {registered::collocates.name}},
    OptionScope{stoplistOption,
                {registered::vocabulary.name, registered::segments.name, registered::specificities.name,
                 registered::collocates.name}},
};

// Whether word gives option, alone or as "--option=value".
bool namesOption(std::string_view word, std::string_view option)
{
    return word == option || (word.size() > option.size() && word.starts_with(option) && word[option.size()] == '=');
}

// Refuses an option given to a command that does not take it.
void checkOptionsApply(const std::vector<const OptionScope*>& given, std::string_view command)
{
    for (const OptionScope* scope : given) {
        if (std::ranges::find(scope->commands, command) != scope->commands.end())
            continue;
        std::string commands(scope->commands[0]);
        for (std::size_t place = 1; place < scope->commands.size() && !scope->commands[place].empty(); ++place)
            commands += (place + 1 < scope->commands.size() && !scope->commands[place + 1].empty() ? ", " : " ou ")
                + std::string(scope->commands[place]);
        throw UsageError("l'option " + std::string(scope->option) + " ne s'emploie qu'avec " + commands + ".");
    }
}

Encoding parseEncoding(std::string_view name)
{
    if (name == "auto")
        return Encoding::Auto;
    if (name == "cp1252")
        return Encoding::Cp1252;
    if (name == "utf-8")
        return Encoding::Utf8;
    throw UsageError("codage inconnu « " + std::string(name) + " » (auto, cp1252 ou utf-8 attendu).");
}

// A whole number from 1 to most, the value of option.
template <typename Number>
Number parseCount(std::string_view option, std::string_view number, Number most)
{
    Number value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size() || value == 0 || value > most)
        throw UsageError("l'option " + std::string(option) + " demande un nombre de 1 à " + std::to_string(most)
                         + ", et non « " + std::string(number) + " ».");
    return value;
}

// The keys of --sort, "1D,2D,1G": one to mostConcordanceKeys codes of concordanceKeyNames.
std::vector<ConcordanceKey> parseSortKeys(std::string_view codes)
{
    std::vector<ConcordanceKey> keys;
    bool known = true;
    for (std::size_t start = 0; known && start <= codes.size();) {
        const std::size_t end = std::min(codes.find(',', start), codes.size());
        const auto named =
            std::ranges::find(concordanceKeyNames, codes.substr(start, end - start), &ConcordanceKeyName::code);
        known = named != concordanceKeyNames.end();
        if (known)
            keys.push_back(named->key);
        start = end + 1;
    }
    if (known && keys.size() <= mostConcordanceKeys)
        return keys;
    std::string names;
    for (const ConcordanceKeyName& key : concordanceKeyNames)
        names.append(names.empty() ? "" : ", ").append(key.code);
    throw UsageError("l'option " + std::string(sortOption)
                     + " demande d'une à trois clés séparées par des virgules parmi " + names + " (1D,2D,1G), et non « "
                     + std::string(codes) + " ».");
}

// A whole number from least up, the value of option; with zeroForNoBound, 0 too (no bound).
std::int64_t parseAtLeast(std::string_view option, std::string_view number, std::int64_t least,
                          bool zeroForNoBound = false)
{
    std::int64_t value = -1;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size()
        || (value < least && !(zeroForNoBound && value == 0)))
        throw UsageError("l'option " + std::string(option) + " demande un nombre entier de " + std::to_string(least)
                         + " ou plus" + (zeroForNoBound ? ", ou 0 pour ne pas borner la longueur" : "") + ", et non « "
                         + std::string(number) + " ».");
    return value;
}

// The bounds of the segments' lengths, once every option is read.
void checkSegmentLengths(const SegmentOptions& options, bool maxLengthGiven)
{
    if (!options.maxLength || *options.maxLength >= options.minLength)
        return;
    const std::string lengths = "la longueur minimale des segments (" + std::to_string(options.minLength)
        + ") dépasse leur longueur maximale (" + std::to_string(*options.maxLength);
    if (maxLengthGiven)
        throw UsageError(lengths + ").");
    throw UsageError(lengths + " par défaut) : indiquez aussi " + std::string(maxLengthOption)
                     + " N, ou 0 pour ne pas la borner.");
}

// A number with a decimal point or comma, the value of option: a specificity threshold, 0 or
// more, or a collocate's lowest score, of either sign.
double parseDecimal(std::string_view option, std::string_view number, bool negativeAllowed)
{
    std::string text(number);
    std::ranges::replace(text, ',', '.');
    double value = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)
        || (!negativeAllowed && value < 0))
        throw UsageError("l'option " + std::string(option) + " demande un nombre"
                         + (negativeAllowed ? "" : " positif ou nul") + ", et non « " + std::string(number) + " ».");
    return value;
}

// The value of option when words[index] names it, as "--option value" (index then moves to
// the value) or "--option=value"; nothing when it names another.
std::optional<std::string_view> optionValue(const std::vector<std::string_view>& words, std::size_t& index,
                                            std::string_view option, std::string_view expected)
{
    const std::string_view word = words[index];
    if (word == option) {
        if (++index == words.size())
            throw UsageError("l'option " + std::string(option) + " demande une valeur (" + std::string(expected)
                             + ").");
        return words[index];
    }
    if (namesOption(word, option))
        return word.substr(option.size() + 1);
    return std::nullopt;
}

// The forms of text, a code page 1252 string, joined by one space; empty unless text is
// forms separated by blanks alone.
std::string joinedForms(std::string_view text, const Alphabet& alphabet)
{
    std::string forms;
    if (std::ranges::all_of(text, [&](char c) { return alphabet.isLetter(c) || c == ' ' || c == '\t'; }))
        forEachForm(text, alphabet, [&forms](std::string_view form) { (forms += forms.empty() ? "" : " ") += form; });
    return forms;
}

// The form of a concordance, or several forms separated by blanks (found where they follow
// each other), as one string in code page 1252, the forms separated by one space; letters are
// those of the rule the text is read by.
std::string formsInContext(std::string_view word, LetterRule letters)
{
    const std::string text = decodeText(std::string(word), Encoding::Utf8);
    std::string forms = joinedForms(text, Alphabet::of(letters));
    if (!forms.empty())
        return forms;
    // "cœur" is a form only when œ is a letter: the message says how to make it one.
    const bool formUnderExtendedRule =
        letters == LetterRule::Classic && !joinedForms(text, Alphabet::of(LetterRule::Extended)).empty();
    throw UsageError("« " + std::string(word)
                     + " » n'est pas une forme : une forme est une suite de lettres, sans signe ; "
                       "plusieurs formes se séparent par des espaces"
                     + (formUnderExtendedRule ? " ; œ, Œ, Ÿ, Š et Ž ne sont des lettres qu'avec "
                                + std::string(extendedLettersOption) + "."
                                              : std::string(".")));
}

// Whether the command takes patterns: those that take --regex take wildcards in the form too.
bool takesPatterns(std::string_view command)
{
    const auto regex = std::ranges::find(optionScopes, regexOption, &OptionScope::option);
    return std::ranges::find(regex->commands, command) != regex->commands.end();
}

// Refuses a query of patterns that cannot be read, saying what is wrong with it, or of several
// forms for a command that looks around one.
void checkQuery(const Arguments& arguments, const FormCommandInfo& command)
{
    if (arguments.query.empty())
        return;
    std::size_t forms = 0;
    try {
        forms = formQuery(arguments.query, arguments.syntax, arguments.letters).size();
    } catch (const PatternError& error) {
        throw UsageError(error.what());
    }
    if (forms == 0)
        throw UsageError("l'expression régulière est vide : donnez un motif par forme, séparés par des espaces.");
    if (command.oneFormOnly && forms > 1)
        throw UsageError("les cooccurrents se cherchent autour d'une seule forme, et non de « "
                         + cp1252ToUtf8(arguments.query) + " ».");
}

// The files the command line names, read as UTF-8 whatever the system's code page.
std::vector<std::filesystem::path> filesNamed(std::span<const std::string_view> names)
{
    std::vector<std::filesystem::path> files;
    files.reserve(names.size());
    for (const std::string_view name : names)
        files.push_back(pathFromUtf8(name));
    return files;
}

// The files of a corpus command, then the forms of a progression: the leading words that name
// an existing file (or standard input) are the files, the others the forms.
void readCorpusWords(Arguments& arguments, const CorpusCommandInfo& info, std::span<const std::string_view> words)
{
    const bool takesForms = info.name == registered::progression.name;
    std::size_t files = 0;
    while (files < words.size()
           && (!takesForms || words[files] == standardInputName || std::filesystem::exists(pathFromUtf8(words[files]))))
        ++files;
    if (files == 0 || (takesForms && files == words.size()))
        throw UsageError(std::string(info.withoutFiles));
    arguments.files = filesNamed(words.first(files));
    if (std::ranges::count(arguments.files, std::filesystem::path(standardInputName)) > 1)
        throw UsageError("l'entrée standard ne se lit qu'une fois : un seul des fichiers peut être « - ».");
    for (const std::string_view word : words.subspan(files)) {
        std::string form = formsInContext(word, arguments.letters);
        if (form.find(' ') != std::string::npos)
            throw UsageError("« " + std::string(word)
                             + " » est plusieurs formes : la progression se suit forme par forme.");
        arguments.forms.push_back(std::move(form));
    }
}

} // namespace

Arguments parseArguments(const std::vector<std::string_view>& words)
{
    Arguments arguments;
    SegmentOptions& segments = arguments.presentation.segments;
    CollocateThresholds& thresholds = arguments.collocateThresholds;
    bool maxLengthGiven = false;
    bool widthGiven = false;
    bool contextFormsGiven = false;
    std::optional<std::string_view> minFrequency; // read once the command says its least value
    std::vector<std::string_view> positional;
    std::vector<const OptionScope*> scopedOptions;
    for (std::size_t index = 0; index < words.size(); ++index) {
        // An option's value is read with the option: here word is an option or a positional word.
        const std::string_view word = words[index];
        const auto scope = std::ranges::find_if(
            optionScopes, [word](const OptionScope& scope) { return namesOption(word, scope.option); });
        if (scope != optionScopes.end())
            scopedOptions.push_back(&*scope);
        if (word == "-h" || word == "--help") {
            arguments.help = true;
        } else if (word == "--version") {
            arguments.version = true;
        } else if (word == "--json" || word == "--csv") {
            const OutputFormat format = word == "--json" ? OutputFormat::Json : OutputFormat::Csv;
            if (arguments.format != OutputFormat::Text && arguments.format != format)
                throw UsageError("choisissez --json ou --csv, pas les deux.");
            arguments.format = format;
        } else if (const auto encoding = optionValue(words, index, encodingOption, "auto, cp1252 ou utf-8")) {
            arguments.encoding = parseEncoding(*encoding);
        } else if (const auto jobs = optionValue(words, index, jobsOption, "un nombre de 1 à 256")) {
            arguments.jobs = parseCount(jobsOption, *jobs, mostJobs);
        } else if (const auto width = optionValue(words, index, widthOption, "un nombre de caractères")) {
            arguments.context = {parseCount(widthOption, *width, mostContextCharacters), ContextUnit::Characters};
            widthGiven = true;
        } else if (const auto forms = optionValue(words, index, contextFormsOption, "un nombre de formes")) {
            arguments.context = {parseCount(contextFormsOption, *forms, mostContextForms), ContextUnit::Forms};
            contextFormsGiven = true;
        } else if (const auto keys = optionValue(words, index, sortOption, "des clés de tri, 1D,2D,1G")) {
            arguments.sortKeys = parseSortKeys(*keys);
        } else if (const auto lemma = optionValue(words, index, lemmaOption, "un lemme")) {
            arguments.lemma = decodeText(std::string(*lemma), Encoding::Utf8);
        } else if (const auto regex = optionValue(words, index, regexOption, "une expression régulière")) {
            arguments.query = decodeText(std::string(*regex), Encoding::Utf8);
            arguments.syntax = PatternSyntax::RegularExpression;
        } else if (const auto unit = optionValue(words, index, unitOption, "forms ou lemmas")) {
            if (*unit != "forms" && *unit != "lemmas")
                throw UsageError("l'option --unit attend forms ou lemmas, et non « " + std::string(*unit) + " ».");
            arguments.presentation.unit = *unit == "lemmas" ? CountingUnit::Lemmas : CountingUnit::Forms;
        } else if (const auto stoplist = optionValue(words, index, stoplistOption, "fr ou un fichier")) {
            arguments.stoplist = *stoplist;
        } else if (const auto threshold = optionValue(words, index, thresholdOption, "une spécificité")) {
            arguments.presentation.specificityThreshold = parseDecimal(thresholdOption, *threshold, false);
        } else if (const auto frequency = optionValue(words, index, minFrequencyOption, "un nombre")) {
            minFrequency = *frequency;
        } else if (const auto variable = optionValue(words, index, partitionOption, "une variable")) {
            arguments.partition = decodeText(std::string(*variable), Encoding::Utf8);
        } else if (const auto length = optionValue(words, index, minLengthOption, "un nombre de 2 ou plus")) {
            segments.minLength = parseAtLeast(minLengthOption, *length, smallestSegmentLength);
        } else if (const auto length = optionValue(words, index, maxLengthOption, "un nombre, 0 pour aucune borne")) {
            const std::int64_t longest = parseAtLeast(maxLengthOption, *length, smallestSegmentLength, true);
            segments.maxLength = longest == 0 ? std::nullopt : std::optional(longest);
            maxLengthGiven = true;
        } else if (word == extendedLettersOption) {
            arguments.letters = LetterRule::Extended;
        } else if (word == explainOption) {
            arguments.presentation.explain = true;
        } else if (word == maximalOption) {
            segments.maximalOnly = true;
        } else if (const auto parts = optionValue(words, index, partsOption, "un nombre de parties")) {
            arguments.parts = parseCount(partsOption, *parts, mostParts);
        } else if (const auto span = optionValue(words, index, spanOption, "un nombre de formes")) {
            arguments.collocates.span = parseAtLeast(spanOption, *span, 1);
        } else if (word == acrossSentencesOption) {
            arguments.collocates.withinSentence = false;
        } else if (const auto count = optionValue(words, index, minCountOption, "un nombre de 1 ou plus")) {
            thresholds.minCount = parseAtLeast(minCountOption, *count, 1);
        } else if (const auto score = optionValue(words, index, minScoreOption, "un score")) {
            thresholds.minScore = parseDecimal(minScoreOption, *score, true);
        } else if (word.starts_with("--") || (word.starts_with("-") && word.size() > 1)) {
            throw UsageError("option inconnue « " + std::string(word) + " ».");
        } else {
            positional.push_back(word);
        }
    }
    if (arguments.help || arguments.version)
        return arguments;

    if (positional.empty())
        throw UsageError("indiquez une statistique et un fichier.");
    arguments.statistic = positional.front();
    const FormCommand* formCommand = findFormCommand(arguments.statistic);
    const CorpusCommand* corpusCommand = findCorpusCommand(arguments.statistic);
    if (!formCommand && !corpusCommand && arguments.statistic != allStatisticsName
        && !findStatistic(arguments.statistic))
        throw UsageError("statistique inconnue « " + arguments.statistic + " ».");
    checkOptionsApply(scopedOptions, arguments.statistic);
    if (widthGiven && contextFormsGiven)
        throw UsageError("choisissez --width ou --context-forms, pas les deux.");
    if (minFrequency && corpusCommand)
        arguments.analysisMinFrequency = parseAtLeast(minFrequencyOption, *minFrequency, 1);
    else if (minFrequency)
        segments.minFrequency = parseAtLeast(minFrequencyOption, *minFrequency, smallestSegmentFrequency);
    checkSegmentLengths(segments, maxLengthGiven);
    if (arguments.presentation.explain && arguments.statistic == registered::concordance.name)
        throw UsageError("l'option --explain ne s'emploie pas avec concordance, qui ne calcule aucun nombre.");
    if (arguments.presentation.explain && arguments.format != OutputFormat::Text)
        throw UsageError("l'option --explain complète la sortie en texte, et non --json ni --csv.");
    if (!arguments.lemma.empty() && !arguments.query.empty())
        throw UsageError("donnez un lemme (--lemma) ou une expression régulière (--regex), pas les deux.");
    if (formCommand && (!arguments.lemma.empty() || !arguments.query.empty())) {
        if (positional.size() == 3)
            throw UsageError(arguments.query.empty()
                                 ? "donnez une forme ou un lemme (--lemma), pas les deux."
                                 : "donnez une forme ou une expression régulière (--regex), pas les deux.");
        if (positional.size() != 2)
            throw UsageError(std::string(formCommand->info.withoutForm));
        arguments.files.push_back(pathFromUtf8(positional[1]));
        checkQuery(arguments, formCommand->info);
        return arguments;
    }
    if (formCommand) {
        if (positional.size() != 3)
            throw UsageError(std::string(formCommand->info.withoutForm));
        arguments.files.push_back(pathFromUtf8(positional[1]));
        if (takesPatterns(formCommand->info.name) && hasWildcard(positional[2])) {
            arguments.query = decodeText(std::string(positional[2]), Encoding::Utf8);
            checkQuery(arguments, formCommand->info);
            return arguments;
        }
        arguments.form = formsInContext(positional[2], arguments.letters);
        if (formCommand->info.oneFormOnly && arguments.form.find(' ') != std::string::npos)
            throw UsageError("les cooccurrents se cherchent autour d'une seule forme, et non de « "
                             + std::string(positional[2]) + " ».");
        return arguments;
    }

    if (corpusCommand) {
        readCorpusWords(arguments, corpusCommand->info, {positional.begin() + 1, positional.end()});
        return arguments;
    }

    const std::size_t given = positional.size() - 1;
    if (given == 0)
        throw UsageError("indiquez le fichier à étudier.");
    const bool isAll = arguments.statistic == allStatisticsName;
    const bool comparesTwo = !isAll && findStatistic(arguments.statistic)->info.needsSecondText;
    const std::size_t required = comparesTwo ? 2 : 1;
    const std::size_t allowed = isAll || comparesTwo ? 2 : 1;
    if (given < required)
        throw UsageError("la statistique « " + arguments.statistic + " » compare deux fichiers : indiquez le second.");
    if (given > allowed)
        throw UsageError("trop de fichiers pour la statistique « " + arguments.statistic + " ».");
    arguments.files = filesNamed(std::span(positional).subspan(1));
    if (std::ranges::count(arguments.files, std::filesystem::path(standardInputName)) > 1)
        throw UsageError("l'entrée standard ne se lit qu'une fois : un seul des fichiers peut être « - ».");
    return arguments;
}

std::string usageText()
{
    std::string text = "Usage : quorvelle-cli STATISTIQUE FICHIER [FICHIER2] [--json | --csv] "
                       "[--encoding auto|cp1252|utf-8] [--extended-letters] [--jobs N]\n\nStatistiques :\n";
    auto line = [&text](std::string_view name, std::string_view description) {
        text += "  " + std::string(name) + std::string(14 - name.size(), ' ') + std::string(description) + '\n';
    };
    for (const Statistic& statistic : statistics())
        line(statistic.info.name, statistic.info.description);
    line(allStatisticsName, "toutes les statistiques sauf segments et lemmas, en un seul objet avec --json");
    text += "\nConcordance :\n"
            "  quorvelle-cli concordance FICHIER FORME [--width N | --context-forms N] [--sort CLÉS]\n"
            "                [--json | --csv]\n"
            "                les occurrences de FORME (comparée en minuscules) avec leur contexte ;\n"
            "                « FORME1 FORME2 » : les endroits où ces formes se suivent ; jokers :\n"
            "                * des lettres (« citoy* »), ? une lettre, [éèe] l'une de ces lettres\n"
            "  quorvelle-cli concordance FICHIER --lemma LEMME [--width N | --context-forms N] [--sort CLÉS]\n"
            "                [--json | --csv]\n"
            "                les occurrences lues comme LEMME, quelle que soit leur forme\n"
            "  quorvelle-cli concordance FICHIER --regex MOTIF [--width N | --context-forms N] [--sort CLÉS]\n"
            "                [--json | --csv]\n"
            "                les formes dont la minuscule répond tout entière à MOTIF, une expression\n"
            "                régulière (ICU) ; plusieurs motifs séparés d'espaces : des formes qui se suivent\n";
    text += "\nSegments répétés :\n"
            "  quorvelle-cli segments FICHIER [--min-frequency N] [--min-length N] [--max-length N]\n"
            "                [--maximal] [--json | --csv]\n"
            "                les suites d'au moins deux formes d'une même phrase attestées plusieurs\n"
            "                fois, par fréquence décroissante, les plus longues d'abord à fréquence égale\n";
    text += "\nRépartition d'une forme :\n"
            "  quorvelle-cli dispersion FICHIER FORME [--parts P] [--json | --csv]\n"
            "                les attestations de FORME dans P parties égales du texte, le D de\n"
            "                Juilland et le DP de Gries ; « FORME1 FORME2 » : ces formes qui se suivent ;\n"
            "                un motif (« citoy* ») ou --regex MOTIF : toutes les formes qui y répondent\n";
    text += "\nCooccurrents d'une forme :\n"
            "  quorvelle-cli collocates FICHIER FORME [--span N] [--across-sentences] [--min-count N]\n"
            "                [--min-score S] [--json | --csv]\n"
            "                les formes plus fréquentes autour de FORME (une seule forme) que le\n"
            "                hasard ne les y placerait, par score décroissant ; avec --json, toutes\n"
            "                les formes vues autour d'elle, sans seuil ; --lemma LEMME en place de\n"
            "                FORME : autour des occurrences lues comme LEMME ; un motif (« citoy* ») ou\n"
            "                --regex MOTIF : autour de chaque forme qui y répond\n";
    text += "\nCorpus de parties :\n"
            "  quorvelle-cli corpus FICHIER... [--partition VARIABLE] [--min-frequency F] [--threshold S]\n"
            "                [--unit lemmas] [--json | --csv]\n"
            "                les parties (un fichier chacune, ou un fichier coupé par ses lignes\n"
            "                « **** *variable_modalité »), les formes spécifiques de chaque partie et\n"
            "                l'analyse factorielle des correspondances des formes et des parties\n"
            "  quorvelle-cli progression FICHIER... FORME... [--partition VARIABLE] [--unit lemmas]\n"
            "                [--json | --csv]\n"
            "                les attestations, la fréquence et la spécificité de chaque FORME dans\n"
            "                chaque partie ; les fichiers sont les premiers mots qui en nomment un\n";
    text += "\nOptions :\n"
            "  --json                        écrit le résultat en JSON (UTF-8)\n"
            "  --csv                         écrit les tableaux du résultat en CSV pour tableur\n"
            "                                (UTF-8 avec BOM, « ; », virgule décimale, CR LF)\n"
            "  --encoding auto|cp1252|utf-8  lecture du fichier (auto par défaut : UTF-8 reconnu,\n"
            "                                sinon code page 1252)\n"
            "  --extended-letters            compte œ, Œ, Ÿ, Š, Ž (et š, ž) comme des lettres : « cœur »\n"
            "                                est une forme, et non « c » et « ur »\n"
            "  --explain                     après le résultat en texte (sauf de concordance), explique\n"
            "                                le calcul de chaque total : la formule, puis les nombres\n"
            "                                du texte\n"
            "  --jobs N                      avec all, calcule N statistiques à la fois (par défaut,\n"
            "                                autant que de processeurs jusqu'à 32 Mo de texte, une\n"
            "                                au-delà)\n"
            "  --width N                     avec concordance, au plus N caractères de contexte de chaque\n"
            "                                côté, sans couper de mot (40 par défaut)\n"
            "  --context-forms N             avec concordance, N formes de contexte de chaque côté, à la\n"
            "                                place de --width\n"
            "  --sort CLÉS                   avec concordance, trie les occurrences selon une à trois clés\n"
            "                                séparées par des virgules (1D,2D,1G) : 1G, 2G, 3G la 1re,\n"
            "                                2e, 3e forme à gauche, P le pivot, 1D, 2D, 3D la 1re, 2e,\n"
            "                                3e forme à droite (l'ordre du texte entre égales)\n"
            "  --unit forms|lemmas           avec specificities, corpus et progression, compte les formes\n"
            "                                (par défaut) ou les lemmes, chacun à la place de ses formes\n"
            "  --stoplist fr|FICHIER         avec vocabulary, segments, specificities et collocates,\n"
            "                                laisse de côté les mots-outils : la liste française du\n"
            "                                programme (fr), ou les formes de FICHIER, une par ligne\n"
            "                                (un segment n'est écarté que fait de mots-outils seuls)\n"
            "  --threshold S                 avec specificities et corpus, montre en texte et en CSV les\n"
            "                                formes dont la spécificité atteint S ou -S (2 par défaut)\n"
            "  --min-frequency N             avec segments, les segments attestés au moins N fois\n"
            "                                (2 par défaut) ; avec corpus, l'analyse factorielle garde\n"
            "                                les formes d'au moins N attestations (10 par défaut)\n"
            "  --partition VARIABLE          avec corpus et progression, regroupe les parties selon la\n"
            "                                valeur de VARIABLE (par défaut, chaque partie seule)\n"
            "  --min-length N                avec segments, les segments d'au moins N formes (2 par\n"
            "                                défaut, 2 au moins)\n"
            "  --max-length N                avec segments, les segments d'au plus N formes (8 par\n"
            "                                défaut ; 0 : sans limite)\n"
            "  --maximal                     avec segments, les seuls segments maximaux : ceux qui ne\n"
            "                                font pas toujours partie d'un même segment plus long\n"
            "  --parts P                     avec dispersion, coupe le texte en P parties égales (10 par\n"
            "                                défaut, 100000 au plus)\n"
            "  --span N                      avec collocates, N formes de chaque côté de FORME (5 par\n"
            "                                défaut)\n"
            "  --across-sentences            avec collocates, les formes autour de FORME au-delà de sa\n"
            "                                phrase (par défaut, elles s'arrêtent aux fins de phrase)\n"
            "  --min-count N                 avec collocates, montre en texte et en CSV les formes vues\n"
            "                                au moins N fois autour de FORME (2 par défaut)\n"
            "  --min-score S                 avec collocates, montre en texte et en CSV les formes dont\n"
            "                                le score atteint S (2 par défaut : une probabilité sous 1 %)\n"
            "  --version                     affiche la version\n"
            "  -h, --help                    affiche cette aide\n"
            "\nFICHIER « - » : le texte est lu sur l'entrée standard.\n";
    return text;
}

} // namespace quorvelle::cli
