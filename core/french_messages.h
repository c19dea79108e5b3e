// The French texts that both the windows and the CLI show, written once.
#pragma once

#include "core/character_counts.h"
#include "core/text_file.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace quorvelle::french {

// The captions of the totals beside a statistic's lists.
inline constexpr std::string_view totalFormsCaption = "Nombre total de formes de l'extrait :";
inline constexpr std::string_view distinctFormsCaption = "Nombre total de formes différentes :";
inline constexpr std::string_view meanFrequencyCaption = "Fréquence moyenne d'attestation :";

// The titles of the two counts messages.
inline constexpr std::string_view charactersTitle = "Nombre de caractères";
inline constexpr std::string_view wordsTitle = "Nombre de mot(s)";

/// The character counts as the main window's message shows them, in UTF-8, with its own line
/// breaks: CR LF after the heading and the rule, LF CR after each count.
std::string charactersMessage(const CharacterCounts& counts);

/// "Le texte contient N mot(s)".
std::string wordsMessage(std::int64_t words);

/// The reason a file cannot be read, as one sentence: "il est introuvable.".
std::string_view fileErrorReason(FileError::Reason reason);

/// "Le fichier « path » ne peut pas être ouvert :", in UTF-8, with the path as given.
std::string fileErrorHeading(std::string_view path);

} // namespace quorvelle::french
