// The categories of words a French class names, which lemmatization gives every occurrence.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace quorvelle {

/// What part of speech a word is, in the categories of a French grammar lesson.
enum class WordCategory : unsigned char {
    Noun,
    ProperNoun,
    Verb,
    /// Être or avoir before a past participle (« il est venu », « elle a mangé »).
    Auxiliary,
    Adjective,
    Adverb,
    Determiner,
    Pronoun,
    Preposition,
    Conjunction,
    Interjection,
    Number,
    /// A form the dictionary does not know.
    Unknown,
};

/// Every category, in the order the profile of a text lists them.
inline constexpr std::array allWordCategories = {
    WordCategory::Noun,        WordCategory::ProperNoun,  WordCategory::Verb,         WordCategory::Auxiliary,
    WordCategory::Adjective,   WordCategory::Adverb,      WordCategory::Determiner,   WordCategory::Pronoun,
    WordCategory::Preposition, WordCategory::Conjunction, WordCategory::Interjection, WordCategory::Number,
    WordCategory::Unknown,
};

/// Its French name, in code page 1252: "nom", "nom propre", "verbe", "préposition"...
std::string_view categoryName(WordCategory category);

/// The category of a French name as categoryName writes it, or nothing.
std::optional<WordCategory> categoryNamed(std::string_view name);

} // namespace quorvelle
