// Writing the reports as French text.
#include "cli/text_output.h"

#include "core/encoding.h"
#include "core/number_format.h"

#include <string_view>
#include <vector>

namespace quorvelle::cli {
namespace {

constexpr std::string_view countIndent = "          ";

// The vocabulary grid: a header row, then one tab-separated row per form.
std::string formGrid(const std::vector<FormCount>& forms)
{
    std::string grid = "Formes\tNombre d'attestations\n";
    for (const FormCount& form : forms)
        grid += cp1252ToUtf8(form.form) + '\t' + std::to_string(form.count) + '\n';
    return grid;
}

} // namespace

std::string frenchNumber(const std::optional<double>& value)
{
    return value ? formatNumber(*value, frenchDecimalSeparator) : std::string();
}

std::string toText(const CharacterCounts& counts)
{
    std::string text = "Nombre de caractères\n";
    text += "Le texte contient: \n\n";
    text += std::string(countIndent) + std::to_string(counts.alphabetic) + " Caractère(s) alphabetique\n";
    text += std::string(countIndent) + std::to_string(counts.numeric) + " Caractère(s) numérique\n";
    text += std::string(countIndent) + std::to_string(counts.special) + " Caractère(s) spécial(aux)\n";
    text += std::string(countIndent) + std::string(36, '-') + '\n';
    text += "Total:  " + std::to_string(counts.total) + " Caractère(s)\n";
    text += "\nNombre de mot(s)\n";
    text += "Le texte contient " + std::to_string(counts.words) + " mot(s)\n";
    return text;
}

std::string toText(const VocabularyReport& report)
{
    std::string text = "Liste du vocabulaire\n\n";
    text += "Nombre total de formes de l'extrait : " + std::to_string(report.tokenCount) + '\n';
    text += "Nombre total de formes différentes : " + std::to_string(report.distinctCount) + '\n';
    text += "Fréquence moyenne d'attestation : " + frenchNumber(report.meanFrequency) + '\n';
    text += "\nOrdre alphabétique\n" + formGrid(report.alphabetical);
    text += "\nFréquences décroissantes\n" + formGrid(report.byFrequency);
    return text;
}

} // namespace quorvelle::cli
