// The French dictionary the program lemmatizes with: Debian's hunspell-fr-comprehensive,
// read through libhunspell, which knows the lemma and the category of every inflected form.
#pragma once

#include "core/lemmas/word_category.h"

#include <cstddef>
#include <filesystem>
#include <memory>
#include <mutex>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class Hunspell;

namespace quorvelle {

/// One way of reading a form: its lemma and its category, with what the rules that choose
/// between readings need to know of a verb.
struct Reading {
    std::string lemma; ///< code page 1252; the infinitive of a verb, the masculine singular of the rest
    WordCategory category = WordCategory::Unknown;
    bool grammatical = false;    ///< a word of the grammar's closed lists (le, de, que, il...)
    bool pastParticiple = false; ///< a verb's past participle (mangé, été)
    bool finite = false;         ///< a verb conjugated in a tense (mange, mangeait), not an infinitive or participle
    bool infinitive = false;     ///< a verb's infinitive (manger)
    bool relative = false;       ///< a relative pronoun (qui, que, dont, où)

    /// Être or avoir.
    bool isAuxiliaryVerb() const;

    friend bool operator==(const Reading&, const Reading&) = default;
};

/// The French dictionary cannot be read: its files are missing or unreadable. what() says so
/// in French (UTF-8), naming the Debian package that provides it.
class DictionaryError : public std::runtime_error {
public:
    explicit DictionaryError(const std::filesystem::path& missingFile);
};

/// The readings of a form as the dictionary's analyses give them (UTF-8, "st:manger
/// po:v1_it_x__a po:ipre po:1pl", one per analysis): one reading for each analysis and each
/// category it gives, without repeats, in the dictionary's order but a determiner before the
/// preposition it is contracted with (au, du). The lemmas of determiners and pronouns are
/// brought to the masculine singular (la, les → le; une → un; cette → ce; ses → son; ils → il),
/// and verbs in -aitre and -oitre keep the circumflex of the classical spelling (connaître).
std::vector<Reading> readingsOfAnalyses(std::span<const std::string> analyses);

/// The dictionary, loaded once (about a tenth of a second); safe to share between threads.
class FrenchDictionary {
public:
    /// Loads fr.aff and fr.dic from the directory; throws DictionaryError when they are missing.
    explicit FrenchDictionary(const std::filesystem::path& directory = defaultDirectory());
    ~FrenchDictionary();
    FrenchDictionary(const FrenchDictionary&) = delete;
    FrenchDictionary& operator=(const FrenchDictionary&) = delete;

    /// The readings of a word in code page 1252, as written (case matters: Paris, paris); none
    /// when the dictionary does not know it.
    std::vector<Reading> readings(std::string_view word) const;

    /// Where Debian installs the dictionary, or the directory QUORVELLE_DICTIONARY_DIR names.
    static std::filesystem::path defaultDirectory();

private:
    /// The words whose readings are kept, some 20 MB at most: a corpus's parts, or texts
    /// lemmatized one after the other, share most of their words, and libhunspell takes some
    /// 10 µs a word. Past it, the words are forgotten and remembered anew.
    static constexpr std::size_t mostRememberedWords = 1U << 17U;

    std::unique_ptr<Hunspell> hunspell_;
    mutable std::mutex mutex_; // libhunspell keeps state between calls; guards remembered_ too
    mutable std::unordered_map<std::string, std::vector<Reading>> remembered_;
};

/// The dictionary of defaultDirectory(), loaded on the first call and then shared; throws
/// DictionaryError on every call while it cannot be read.
std::shared_ptr<const FrenchDictionary> sharedFrenchDictionary();

} // namespace quorvelle
