// The command line of quorvelle-cli.
#pragma once

#include "cli/presentation.h"
#include "core/corpus/correspondence_analysis.h"
#include "core/reports/collocate_report.h"
#include "core/reports/concordance_order.h"
#include "core/reports/dispersion_report.h"
#include "core/text/encoding.h"
#include "core/text/form_pattern.h"
#include "core/text/letters.h"

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quorvelle::cli {

/// How the result is written: French text, one JSON value, or CSV tables.
enum class OutputFormat { Text, Json, Csv };

struct Arguments {
    std::string statistic;
    std::vector<std::filesystem::path> files;
    OutputFormat format = OutputFormat::Text;
    Encoding encoding = Encoding::Auto;
    /// Which characters are letters (--extended-letters: œ, Œ, Ÿ, Š, Ž and their partners too).
    LetterRule letters = LetterRule::Classic;
    bool help = false;
    bool version = false;
    /// How many statistics of `all` are computed at once; 0: as many as the text allows.
    unsigned jobs = 0;
    /// The form of a concordance or of a dispersion, or the pivot of the collocates, in code
    /// page 1252 (the command line gives it in UTF-8).
    std::string form;
    /// With --lemma, the lemma whose occurrences a concordance shows or the collocates are
    /// looked for around, in code page 1252, in place of the form.
    std::string lemma;
    /// In place of the form, a query of patterns in code page 1252: the form's word when it has
    /// wildcards (« citoy* »), or --regex's expression; how it is read.
    std::string query;
    PatternSyntax syntax = PatternSyntax::Wildcards;
    /// The context on either side of each occurrence of a concordance: --width characters, or
    /// --context-forms forms.
    ConcordanceContext context = {40, ContextUnit::Characters};
    /// The keys a concordance's occurrences are sorted by (--sort); none: the text's order.
    std::vector<ConcordanceKey> sortKeys;
    /// The parts a dispersion cuts the text into.
    std::int64_t parts = defaultDispersionParts;
    /// Where the collocates are looked for, and which of them the text and CSV show.
    CollocateOptions collocates;
    CollocateThresholds collocateThresholds;
    /// A corpus command's variable that groups the parts, in code page 1252; empty: each part
    /// on its own.
    std::string partition;
    /// The forms whose progression is asked, in code page 1252.
    std::vector<std::string> forms;
    /// The least attestations in the corpus of a form its correspondence analysis keeps.
    std::int64_t analysisMinFrequency = defaultAnalysisMinFrequency;
    /// --stoplist's value: "fr" for the program's list of function words, else a file of them.
    std::string stoplist;
    Presentation presentation;
};

/// A command line that cannot be run; what() is a French sentence for the user.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// Parses the words after the program name. Throws UsageError.
Arguments parseArguments(const std::vector<std::string_view>& words);

/// The French usage text, ending with a line break.
std::string usageText();

} // namespace quorvelle::cli
