// How a figure the program shows was computed, written out for a student.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvelle {

/// What a figure means and its formula in words and in symbols, then the same formula with the
/// text's own numbers, step by step, down to the figure as the program writes it, rounding
/// included. French texts (UTF-8) for a student new to the field, numbers with the decimal
/// separator the caller gives; written out with French spacing (explanationText).
struct FigureExplanation {
    std::string figure; ///< what the figure is: "Fréquence moyenne d'attestation"
    /// What the figure means, in its first sentence ("Combien de fois, en moyenne, une forme
    /// différente apparaît dans le texte."), then how it is computed, in words.
    std::string inWords;
    std::string formula;            ///< the formula in symbols: "N / V"
    std::vector<std::string> steps; ///< the text's numbers put in, one step a line
    std::string shown;              ///< the figure as shown, the last step's result: "2,1"
    std::string manualPage;         ///< the manual page that explains the statistic
};

/// The numbers of an explanation, written as the program writes its figures, with one
/// decimal separator.
class ExplanationNumbers {
public:
    explicit ExplanationNumbers(char decimalSeparator)
        : separator_(decimalSeparator)
    {
    }

    /// A figure as the program writes it: "2,1", "28,9", "12".
    std::string shown(double value) const;
    /// A count: "688".
    static std::string count(std::int64_t value) { return std::to_string(value); }
    /// A count and its noun, agreed as French agrees it: "1 forme", "31 formes", "0 place".
    static std::string counted(std::int64_t value, std::string_view singular, std::string_view plural);
    /// An intermediate result: exact when it has at most four decimals ("2,25"), else cut
    /// after four and followed by an ellipsis ("2,1433…").
    std::string exact(double value) const;
    /// The last step of a rounded figure: "arrondi à une décimale : 2,1", with the rule for
    /// exact halves when value falls on one.
    std::string roundingStep(double value, int decimals) const;
    /// An intermediate result of a figure shown to significant digits: exact when it has at most
    /// six significant digits ("0,25"), else cut after six and followed by an ellipsis ("0,475271…").
    std::string significant(double value) const;
    /// The last step of a figure shown to significant digits: "arrondi à quatre chiffres
    /// significatifs : 0,4753". A rounded value whose last digits are zeros is shown without
    /// them, as the figure itself is written, and the step says so: "arrondi à quatre chiffres
    /// significatifs : 0,7650, écrit sans son zéro inutile : 0,765".
    std::string significantRoundingStep(double value, int digits) const;

private:
    /// value cut after decimals places, exact ones written without an ellipsis.
    std::string cutAt(double value, int decimals) const;

    char separator_;
};

/// The noun for an amount, as French agrees it: singular below 2 ("1,5 segment", "0 forme"),
/// plural from 2 ("31 formes").
std::string_view agreedNoun(double amount, std::string_view singular, std::string_view plural);

/// The explanation as plain sentences, one a line, with French spacing (withFrenchSpacing):
/// what quorvelle-cli --explain writes.
std::string explanationText(const FigureExplanation& explanation);

} // namespace quorvelle
