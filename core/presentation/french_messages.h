// The French captions and messages of the statistics, written once for every front end.
#pragma once

#include "core/reports/character_counts.h"
#include "core/reports/concordance.h"
#include "core/text/letters.h"
#include "core/text/text_file.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quorvelle::french {

// The captions of a statistic's totals.
inline constexpr std::string_view totalFormsCaption = "Nombre total de formes de l'extrait :";
inline constexpr std::string_view distinctFormsCaption = "Nombre total de formes différentes :";
inline constexpr std::string_view meanFrequencyCaption = "Fréquence moyenne d'attestation :";

// The totals of the sentence lengths and of the vocabulary enrichment.
inline constexpr std::string_view formCountCaption = "Nombre total de formes :";
inline constexpr std::string_view sentenceCountCaption = "Nombre total  de phrases :";
inline constexpr std::string_view meanSentenceLengthCaption = "Moyenne de formes par phrase :";

// The figures of the comparison of two texts, in their order.
inline constexpr std::string_view tokenCount1Caption = "Nombre total de formes du texte n°1 :";
inline constexpr std::string_view tokenCount2Caption = "Nombre total de formes du texte n°2 :";
inline constexpr std::string_view distinctCount1Caption = "Nombre total de formes différentes du texte n°1 :";
inline constexpr std::string_view distinctCount2Caption = "Nombre total de formes différentes du texte n°2 :";
inline constexpr std::string_view commonCountCaption = "Nombre total de formes différentes communes : ";
inline constexpr std::string_view amountingTo = "équivalant à: ";
inline constexpr std::string_view commonShare1Caption = "% du total des formes différentes du TEXTE 1 ";
inline constexpr std::string_view commonShare2Caption = "% du total des formes différentes du TEXTE 2 ";
inline constexpr std::string_view representing = "représentant:";
inline constexpr std::string_view forText1 = "pour le TEXTE 1:";
inline constexpr std::string_view forText2 = "pour le TEXTE 2:";
inline constexpr std::string_view attestationsOr = "attestations ou ";
inline constexpr std::string_view tokenShareCaption = "% du total des attestations.";
inline constexpr std::string_view text1Heading = "TEXTE N°1";
inline constexpr std::string_view text2Heading = "TEXTE N°2";
inline constexpr std::string_view properCountCaption = "Nombre total de formes différentes propres : ";
inline constexpr std::string_view properShareCaption = "% du total des formes différentes ";

/// What a result computed under the extended letter rule says of it, in its title or at its
/// head; the classic rule, the program's default, goes without saying.
inline constexpr std::string_view extendedLettersNote = "œ, Œ, Ÿ, Š, Ž comptés comme des lettres";

/// title, followed by extendedLettersNote in parentheses under the extended rule.
std::string titleUnderRule(std::string_view title, LetterRule letters);

/// The line that heads a result computed under the extended rule: extendedLettersNote in
/// parentheses; empty under the classic rule.
std::string letterRuleLine(LetterRule letters);

// The titles of the two counts messages.
inline constexpr std::string_view charactersTitle = "Nombre de caractères";
inline constexpr std::string_view wordsTitle = "Nombre de mot(s)";

/// The character counts as one message, in UTF-8, with its own line
/// breaks: CR LF after the heading and the rule, LF CR after each count.
std::string charactersMessage(const CharacterCounts& counts);

/// "Le texte contient N mot(s)".
std::string wordsMessage(std::int64_t words);

/// "1 occurrence", "31 occurrences": French puts the plural from 2 on ("0 occurrence").
std::string occurrenceCount(std::size_t count);

/// What a search found besides its occurrences, in UTF-8: the forms a query of patterns found
/// ("Formes trouvées : citoyen (17), citoyens (3)"), or, when nothing answered, the closest
/// forms ("Aucune forme du texte ne répond ; les plus proches : cité, toi"); empty for a form
/// found.
std::string searchOutcome(const Concordance& concordance);

/// The reason a file cannot be read, as one sentence in UTF-8: "il est introuvable.".
std::string fileErrorReason(const FileError& error);

/// "Le fichier « path » ne peut pas être ouvert :", in UTF-8, with the path as given.
std::string fileErrorHeading(std::string_view path);

} // namespace quorvelle::french
