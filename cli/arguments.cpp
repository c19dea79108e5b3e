// Parsing the command line, with a French message for every mistake.
#include "cli/arguments.h"

#include "cli/statistics.h"

#include <charconv>

namespace quorvelle::cli {
namespace {

constexpr std::string_view encodingOption = "--encoding";
constexpr std::string_view jobsOption = "--jobs";
constexpr unsigned mostJobs = 256;

unsigned parseJobs(std::string_view number)
{
    unsigned jobs = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), jobs);
    if (error != std::errc() || end != number.data() + number.size() || jobs == 0 || jobs > mostJobs)
        throw UsageError("l'option --jobs demande un nombre de 1 à 256, et non « " + std::string(number) + " ».");
    return jobs;
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

} // namespace

Arguments parseArguments(const std::vector<std::string_view>& words)
{
    Arguments arguments;
    std::vector<std::string_view> positional;
    for (std::size_t index = 0; index < words.size(); ++index) {
        const std::string_view word = words[index];
        if (word == "-h" || word == "--help") {
            arguments.help = true;
        } else if (word == "--json") {
            arguments.json = true;
        } else if (word == encodingOption) {
            if (++index == words.size())
                throw UsageError("l'option --encoding demande une valeur (auto, cp1252 ou utf-8).");
            arguments.encoding = parseEncoding(words[index]);
        } else if (word.starts_with(std::string(encodingOption) + "=")) {
            arguments.encoding = parseEncoding(word.substr(encodingOption.size() + 1));
        } else if (word == jobsOption) {
            if (++index == words.size())
                throw UsageError("l'option --jobs demande un nombre de 1 à 256.");
            arguments.jobs = parseJobs(words[index]);
        } else if (word.starts_with(std::string(jobsOption) + "=")) {
            arguments.jobs = parseJobs(word.substr(jobsOption.size() + 1));
        } else if (word.starts_with("--") || (word.starts_with("-") && word.size() > 1)) {
            throw UsageError("option inconnue « " + std::string(word) + " ».");
        } else {
            positional.push_back(word);
        }
    }
    if (arguments.help)
        return arguments;

    if (positional.empty())
        throw UsageError("indiquez une statistique et un fichier.");
    arguments.statistic = positional.front();
    if (arguments.statistic != allStatisticsName && !findStatistic(arguments.statistic))
        throw UsageError("statistique inconnue « " + arguments.statistic + " ».");

    const std::size_t given = positional.size() - 1;
    if (given == 0)
        throw UsageError("indiquez le fichier à étudier.");
    const bool isAll = arguments.statistic == allStatisticsName;
    const bool comparesTwo = !isAll && findStatistic(arguments.statistic)->needsSecondText;
    const std::size_t required = comparesTwo ? 2 : 1;
    const std::size_t allowed = isAll || comparesTwo ? 2 : 1;
    if (given < required)
        throw UsageError("la statistique « " + arguments.statistic + " » compare deux fichiers : indiquez le second.");
    if (given > allowed)
        throw UsageError("trop de fichiers pour la statistique « " + arguments.statistic + " ».");
    arguments.files.assign(positional.begin() + 1, positional.end());
    return arguments;
}

std::string usageText()
{
    std::string text = "Usage : quorvelle-cli STATISTIQUE FICHIER [FICHIER2] [--json] "
                       "[--encoding auto|cp1252|utf-8] [--jobs N]\n\nStatistiques :\n";
    auto line = [&text](std::string_view name, std::string_view description) {
        text += "  " + std::string(name) + std::string(14 - name.size(), ' ') + std::string(description) + '\n';
    };
    for (const Statistic& statistic : statistics())
        line(statistic.name, statistic.description);
    line(allStatisticsName, "toutes les statistiques, en un seul objet avec --json");
    text += "\nOptions :\n"
            "  --json                        écrit le résultat en JSON (UTF-8)\n"
            "  --encoding auto|cp1252|utf-8  lecture du fichier (auto par défaut : UTF-8 reconnu,\n"
            "                                sinon code page 1252)\n"
            "  --jobs N                      avec all, calcule N statistiques à la fois (par défaut,\n"
            "                                autant que de processeurs jusqu'à 32 Mo de texte, une\n"
            "                                au-delà)\n"
            "  -h, --help                    affiche cette aide\n";
    return text;
}

} // namespace quorvelle::cli
