// Choosing each occurrence's reading from the dictionary's readings and its neighbours.
#include "core/lemmas/lemmatized_text.h"

#include "core/text/segmentation.h"
#include "core/text/work_cancellation.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>
#include <utility>

namespace quorvelle {

namespace {

// What pass over the text records of an occurrence besides its form.
enum OccurrenceFlag : std::uint8_t {
    capitalisedFlag = 1,   // written with a capital first letter
    sentenceStartFlag = 2, // first form of a sentence, a quotation or a paragraph
    elidedFlag = 4,        // an elidable form followed by an apostrophe: l', qu'
    joinedFlag = 8,        // the second form of aujourd'hui or quelqu'un
};

// An elided form and the words it may stand for, code page 1252.
struct Elision {
    std::string_view form;
    std::array<Lemma, 2> readings; // the second one's lemma is empty when there is one only
};

const Lemma none{};

const std::array<Elision, 16>& elisions()
{
    static const std::array<Elision, 16> table = {{
        {"l", {{{"le", WordCategory::Determiner}, {"le", WordCategory::Pronoun}}}},
        {"j", {{{"je", WordCategory::Pronoun}, none}}},
        {"qu", {{{"que", WordCategory::Conjunction}, {"que", WordCategory::Pronoun}}}},
        {"n", {{{"ne", WordCategory::Adverb}, none}}},
        {"s", {{{"se", WordCategory::Pronoun}, {"si", WordCategory::Conjunction}}}},
        {"c", {{{"ce", WordCategory::Pronoun}, none}}},
        {"d", {{{"de", WordCategory::Preposition}, none}}},
        {"m", {{{"me", WordCategory::Pronoun}, none}}},
        {"t", {{{"te", WordCategory::Pronoun}, none}}},
        {"jusqu", {{{"jusque", WordCategory::Preposition}, none}}},
        {"lorsqu", {{{"lorsque", WordCategory::Conjunction}, none}}},
        {"puisqu", {{{"puisque", WordCategory::Conjunction}, none}}},
        {"quoiqu", {{{"quoique", WordCategory::Conjunction}, none}}},
        {"presqu", {{{"presque", WordCategory::Adverb}, none}}},
        {"quelqu", {{{"quelque", WordCategory::Determiner}, none}}},
        {"aujourd", {{{"aujourd'hui", WordCategory::Adverb}, none}}},
    }};
    return table;
}

// The words written across an apostrophe that are one word: their two forms and their reading.
struct JoinedWord {
    std::string_view first;
    std::string_view second;
    Lemma reading;
};

const std::array<JoinedWord, 5>& joinedWords()
{
    static const std::array<JoinedWord, 5> table = {{
        {"aujourd", "hui", {"aujourd'hui", WordCategory::Adverb}},
        {"quelqu", "un", {"quelqu'un", WordCategory::Pronoun}},
        {"quelqu", "une", {"quelqu'un", WordCategory::Pronoun}},
        {"quelqu", "uns", {"quelqu'un", WordCategory::Pronoun}},
        {"quelqu", "unes", {"quelqu'un", WordCategory::Pronoun}},
    }};
    return table;
}

// The reading a class takes for the commonest ambiguous words when their neighbours decide
// nothing: the one most common in French prose.
std::optional<WordCategory> commonestCategory(std::string_view form)
{
    static constexpr std::array<std::pair<std::string_view, WordCategory>, 12> forms = {{
        {"de", WordCategory::Preposition},
        {"maintenant", WordCategory::Adverb},
        {"moins", WordCategory::Adverb},
        {"vite", WordCategory::Adverb},
        {"bien", WordCategory::Adverb},
        {"si", WordCategory::Conjunction},
        {"que", WordCategory::Conjunction},
        {"comme", WordCategory::Conjunction},
        {"puis", WordCategory::Adverb},
        {"personne", WordCategory::Pronoun},
        {"rien", WordCategory::Pronoun},
        {"tout", WordCategory::Determiner},
    }};
    const auto found = std::ranges::find(forms, form, &std::pair<std::string_view, WordCategory>::first);
    return found == forms.end() ? std::nullopt : std::optional(found->second);
}

bool isSentenceBoundary(char c)
{
    // . ! ? : the ellipsis, « and the dash that open a speech.
    return c == '.' || c == '!' || c == '?' || c == ':' || c == '\x85' || c == '\xAB' || c == '\x97';
}

bool isApostrophe(char c)
{
    return c == '\'' || c == '\x92';
}

// A form of the text with its first letter in capital, as a proper noun is written.
std::string capitalised(std::string_view form)
{
    std::string written(form);
    if (!written.empty()) {
        const auto code = static_cast<unsigned char>(written[0]);
        if ((code >= 'a' && code <= 'z') || (code >= 0xE0 && code <= 0xFE && code != 0xF7))
            written[0] = static_cast<char>(code - 0x20);
    }
    return written;
}

bool isClitic(const Reading& reading)
{
    static constexpr std::array<std::string_view, 15> pronouns = {
        "je", "tu", "il", "elle", "on", "nous", "vous", "me", "te", "se", "le", "lui", "leur", "y", "en"};
    if (reading.category == WordCategory::Adverb)
        return reading.lemma == "ne";
    return reading.category == WordCategory::Pronoun && std::ranges::find(pronouns, reading.lemma) != pronouns.end();
}

using Readings = std::span<const Reading>;

bool has(Readings readings, WordCategory category)
{
    return std::ranges::any_of(readings, [&](const Reading& reading) { return reading.category == category; });
}

bool allAre(Readings readings, auto predicate)
{
    return !readings.empty() && std::ranges::all_of(readings, predicate);
}

template <typename Predicate>
std::optional<std::size_t> firstWhere(Readings readings, Predicate predicate)
{
    const auto found = std::ranges::find_if(readings, predicate);
    return found == readings.end() ? std::nullopt : std::optional(static_cast<std::size_t>(found - readings.begin()));
}

std::optional<std::size_t> firstOf(Readings readings, WordCategory category)
{
    return firstWhere(readings, [&](const Reading& reading) { return reading.category == category; });
}

// Between a noun and an adjective: the adjective before a form that can be a noun and not an
// adjective (« un grand homme », « de belles choses »), the noun otherwise.
std::optional<std::size_t> nounOrAdjective(Readings readings, Readings next)
{
    const std::optional<std::size_t> noun = firstOf(readings, WordCategory::Noun);
    const std::optional<std::size_t> adjective = firstOf(readings, WordCategory::Adjective);
    const bool beforeNoun = has(next, WordCategory::Noun) && !has(next, WordCategory::Adjective)
        && std::ranges::none_of(next, [](const Reading& reading) { return reading.grammatical; });
    if (noun && adjective)
        return beforeNoun ? adjective : noun;
    return noun ? noun : adjective;
}

// A verb, être or avoir first (« suis » is être before suivre).
std::optional<std::size_t> verbPreferringAuxiliaries(Readings readings)
{
    const auto isVerb = [](const Reading& reading) { return reading.category == WordCategory::Verb; };
    if (const auto auxiliary = firstWhere(readings, [&](const Reading& r) { return isVerb(r) && r.isAuxiliaryVerb(); }))
        return auxiliary;
    return firstWhere(readings, isVerb);
}

// What the rules know of an occurrence's neighbours.
struct Neighbours {
    const Reading* previous = nullptr; // the reading chosen for the form before, in the same sentence
    bool afterAuxiliary = false;       // être or avoir just before, but for adverbs
    Readings next;                     // the readings of the form after, in the same sentence
};

// The reading of an occurrence: the rules on its neighbours, then the commonest reading.
std::size_t chooseReading(Readings readings, std::string_view form, const Neighbours& around)
{
    if (readings.size() == 1)
        return 0;
    const Reading* previous = around.previous;
    const auto previousIs = [&](WordCategory category) { return previous && previous->category == category; };
    const bool afterClitic = previous && isClitic(*previous);

    // s' is si before il and ils (« s'il »), se otherwise.
    if (form == "s")
        if (const auto si = firstWhere(readings, [](const Reading& r) { return r.lemma == "si"; }))
            return std::ranges::any_of(around.next, [](const Reading& r) { return r.lemma == "il"; })
                ? *si
                : *firstOf(readings, WordCategory::Pronoun);
    // si: an adverb of degree before an adjective or an adverb (« si grand »), a conjunction before a clause
    if (const auto adverb = firstOf(readings, WordCategory::Adverb); adverb && form == "si")
        if ((has(around.next, WordCategory::Adjective) || has(around.next, WordCategory::Adverb))
            && std::ranges::none_of(around.next, [](const Reading& r) {
                   return r.category == WordCategory::Verb || r.category == WordCategory::Pronoun
                       || r.category == WordCategory::Determiner || r.category == WordCategory::ProperNoun;
               }))
            return *adverb;

    if (around.afterAuxiliary)
        if (const auto participle = firstWhere(readings, [](const Reading& r) { return r.pastParticiple; }))
            return *participle;

    const auto determiner = firstOf(readings, WordCategory::Determiner);
    const auto pronoun = firstOf(readings, WordCategory::Pronoun);
    const auto preposition = firstOf(readings, WordCategory::Preposition);
    const bool grammatical = std::ranges::any_of(readings, [](const Reading& r) { return r.grammatical; });
    const auto beforeAdjective = [&] {
        return has(around.next, WordCategory::Adjective) || has(around.next, WordCategory::Adverb);
    };
    if (previousIs(WordCategory::Determiner)) {
        // « toute la nuit », « le plus grand », « le son »
        if (determiner && !preposition)
            return *determiner;
        if (const auto adverb = firstOf(readings, WordCategory::Adverb); adverb && grammatical && beforeAdjective())
            return *adverb;
        if (const auto nominal = nounOrAdjective(readings, around.next))
            return *nominal;
    }
    if (determiner && pronoun) {
        const bool beforeNominal = std::ranges::any_of(around.next, [](const Reading& reading) {
            return reading.category == WordCategory::Noun || reading.category == WordCategory::Adjective
                || reading.category == WordCategory::Number || reading.category == WordCategory::Adverb
                || reading.category == WordCategory::Determiner || reading.category == WordCategory::ProperNoun;
        });
        // « à le chercher », « pas les avoir connus »
        const bool objectOfInfinitive = (previousIs(WordCategory::Verb) || previousIs(WordCategory::Adverb)
                                         || previousIs(WordCategory::Preposition))
            && std::ranges::any_of(around.next, [](const Reading& r) { return r.infinitive; });
        return !afterClitic && !objectOfInfinitive && beforeNominal ? *determiner : *pronoun;
    }
    if (const auto relative = firstWhere(readings, [](const Reading& r) { return r.relative; })) {
        const bool afterNominal = previousIs(WordCategory::Noun) || previousIs(WordCategory::ProperNoun)
            || (previousIs(WordCategory::Pronoun) && (previous->lemma == "ce" || previous->lemma == "celui"));
        // « les rues désertes où », but « plus basse que » compares
        const bool afterQualifier = (previousIs(WordCategory::Adjective) || (previous && previous->pastParticiple))
            && !has(readings, WordCategory::Conjunction);
        if (afterNominal || afterQualifier)
            return *relative;
    }
    if (preposition && pronoun) {
        const bool beforeVerb =
            allAre(around.next, [](const Reading& r) { return r.category == WordCategory::Verb && r.finite; });
        return afterClitic || beforeVerb ? *pronoun : *preposition;
    }
    if (afterClitic)
        if (const auto verb = verbPreferringAuxiliaries(readings))
            return *verb;
    if (previousIs(WordCategory::Preposition)) {
        if (determiner && !preposition)
            return *determiner;
        // « d'or »: after a preposition, a noun rather than a conjunction
        const bool onlyConjunctions = std::ranges::all_of(
            readings, [](const Reading& r) { return !r.grammatical || r.category == WordCategory::Conjunction; });
        if (onlyConjunctions) {
            if (const auto infinitive = firstWhere(readings, [](const Reading& r) { return r.infinitive; }))
                return *infinitive;
            if (const auto nominal = nounOrAdjective(readings, around.next))
                return *nominal;
        }
    }
    if (!grammatical) {
        if (previousIs(WordCategory::Adjective))
            if (const auto noun = firstOf(readings, WordCategory::Noun))
                return *noun;
        if (previousIs(WordCategory::Noun))
            if (const auto adjective = firstOf(readings, WordCategory::Adjective))
                return *adjective;
    }
    if (const std::optional<WordCategory> commonest = commonestCategory(form))
        if (const auto reading = firstOf(readings, *commonest))
            return *reading;
    if (const auto grammatical = firstWhere(readings, [](const Reading& r) { return r.grammatical; }))
        return *grammatical;
    if (const auto verb = verbPreferringAuxiliaries(readings))
        return *verb;
    if (const auto adjective = firstOf(readings, WordCategory::Adjective))
        return *adjective;
    if (const auto noun = firstOf(readings, WordCategory::Noun))
        return *noun;
    return 0;
}

// Whether a reading lets être or avoir before a participle be an auxiliary still: an adverb
// (« a bien mangé », « n'est pas venu ») or the subject of an inverted question (« a-t-il vu »).
bool letsAuxiliaryReach(const Reading& reading)
{
    if (reading.category == WordCategory::Adverb)
        return true;
    static constexpr std::array<std::string_view, 8> subjects = {"je", "tu", "il", "elle", "on", "nous", "vous", "t"};
    return std::ranges::find(subjects, reading.lemma) != subjects.end();
}

} // namespace

// Lemmatizes one text: the dictionary's readings of each form in a pool, a set of them for
// each way an occurrence can be read, then one choice per occurrence.
class Lemmatizer {
public:
    Lemmatizer(std::string_view text, const TokenizedText& tokens, const FrenchDictionary& dictionary)
        : text_(text)
        , tokens_(tokens)
        , dictionary_(dictionary)
    {
    }

    LemmatizedText run()
    {
        recordOccurrences();
        chooseReadings();
        markAuxiliaries();
        return numberLemmas();
    }

private:
    struct ReadingSet {
        std::uint32_t start = 0;
        std::uint32_t size = 0;
        bool properNoun = false; // a capitalised form read as a proper noun first, whatever its neighbours
    };
    static constexpr std::uint32_t noSet = ~std::uint32_t{0};

    std::uint32_t addSet(std::vector<Reading> readings, bool properNoun = false)
    {
        sets_.push_back(
            {static_cast<std::uint32_t>(pool_.size()), static_cast<std::uint32_t>(readings.size()), properNoun});
        std::ranges::move(readings, std::back_inserter(pool_));
        return static_cast<std::uint32_t>(sets_.size() - 1);
    }
    Readings readingsOf(std::uint32_t set) const { return Readings(pool_).subspan(sets_[set].start, sets_[set].size); }
    std::string_view formAt(std::size_t occurrence) const { return tokens_.forms.form(forms_[occurrence]); }

    // Pass over the text: each occurrence's form, its flags, and which forms the text ever
    // writes in lower case.
    void recordOccurrences()
    {
        const std::size_t count = tokens_.tokens.size();
        forms_.reserve(count);
        flags_.reserve(count);
        writtenInLowerCase_.assign(tokens_.forms.size(), false);
        const Alphabet& alphabet = Alphabet::of(tokens_.letters);
        auto id = tokens_.tokens.begin();
        const char* previousEnd = text_.data();
        CancellationCountdown countdown;
        forEachForm(text_, alphabet, [&](std::string_view written) {
            countdown.countItem();
            const FormTable::Id form = *id++;
            const std::string_view gap(previousEnd, static_cast<std::size_t>(written.data() - previousEnd));
            std::uint8_t flags = 0;
            if (alphabet.toLower(written[0]) != written[0])
                flags |= capitalisedFlag;
            else
                writtenInLowerCase_[form] = true;
            if (forms_.empty() || std::ranges::any_of(gap, isSentenceBoundary) || gap.find("\n\n") != gap.npos
                || gap.find("\r\n\r\n") != gap.npos)
                flags |= sentenceStartFlag;
            const char* const end = written.data() + written.size();
            if (end != text_.data() + text_.size() && isApostrophe(*end)
                && std::ranges::find(elisions(), tokens_.forms.form(form), &Elision::form) != elisions().end())
                flags |= elidedFlag;
            if (!forms_.empty() && (flags_.back() & elidedFlag) && gap.size() == 1
                && std::ranges::any_of(joinedWords(), [&](const JoinedWord& word) {
                       return word.first == formAt(forms_.size() - 1) && word.second == tokens_.forms.form(form);
                   }))
                flags |= joinedFlag;
            forms_.push_back(form);
            flags_.push_back(flags);
            previousEnd = end;
        });
    }

    // The readings of a form in lower case; a form the dictionary does not know is itself, unknown.
    std::uint32_t dictionarySet(FormTable::Id form)
    {
        if (dictionarySets_.empty())
            dictionarySets_.assign(tokens_.forms.size(), noSet);
        if (dictionarySets_[form] == noSet) {
            stopIfCancelled(); // once a form: the dictionary takes microseconds to read one
            const std::string& written = tokens_.forms.form(form);
            std::vector<Reading> readings = dictionary_.readings(written);
            if (readings.empty())
                readings.push_back({.lemma = written, .category = WordCategory::Unknown});
            dictionarySets_[form] = addSet(std::move(readings));
        }
        return dictionarySets_[form];
    }

    bool isKnown(FormTable::Id form)
    {
        const Readings readings = readingsOf(dictionarySet(form));
        return readings.front().category != WordCategory::Unknown;
    }

    // A form read as a proper noun: the dictionary's proper noun or the form with its capital,
    // then its readings in lower case.
    struct ProperNoun {
        std::uint32_t set = noSet;
        bool inDictionary = false; // the dictionary knows the capitalised form as a proper noun
    };

    const ProperNoun& properNoun(FormTable::Id form)
    {
        const auto [found, added] = properNouns_.try_emplace(form);
        if (!added)
            return found->second;
        stopIfCancelled();
        const std::string written = capitalised(tokens_.forms.form(form));
        std::vector<Reading> readings;
        for (Reading& reading : dictionary_.readings(written))
            if (reading.category == WordCategory::ProperNoun && readings.empty())
                readings.push_back(std::move(reading));
        found->second.inDictionary = !readings.empty();
        if (readings.empty())
            readings.push_back({.lemma = written, .category = WordCategory::ProperNoun});
        if (isKnown(form))
            for (const Reading& reading : readingsOf(dictionarySet(form)))
                readings.push_back(reading);
        found->second.set = addSet(std::move(readings), true);
        return found->second;
    }

    // The readings of an elided form or of a word written across an apostrophe, named by its forms.
    std::uint32_t fixedSet(std::string key, std::span<const Lemma> lemmas)
    {
        const auto [found, added] = fixedSets_.try_emplace(std::move(key), noSet);
        if (added) {
            std::vector<Reading> readings;
            for (const Lemma& lemma : lemmas)
                if (!lemma.lemma.empty())
                    readings.push_back({.lemma = lemma.lemma,
                                        .category = lemma.category,
                                        .grammatical = true,
                                        .relative = lemma.category == WordCategory::Pronoun && lemma.lemma == "que"});
            found->second = addSet(std::move(readings));
        }
        return found->second;
    }

    // The readings an occurrence may have, by its form and what the text writes around it.
    std::uint32_t setAt(std::size_t occurrence)
    {
        const FormTable::Id form = forms_[occurrence];
        const std::uint8_t flags = flags_[occurrence];
        if (flags & elidedFlag) {
            if (occurrence + 1 < forms_.size() && (flags_[occurrence + 1] & joinedFlag)) {
                const std::string_view second = formAt(occurrence + 1);
                const auto joined = std::ranges::find_if(joinedWords(), [&](const JoinedWord& word) {
                    return word.first == formAt(occurrence) && word.second == second;
                });
                std::string key(joined->first);
                key.append("'").append(joined->second);
                return fixedSet(std::move(key), std::span(&joined->reading, 1));
            }
            const auto elision = std::ranges::find(elisions(), formAt(occurrence), &Elision::form);
            if (elision->form != "aujourd") // aujourd without hui is whatever the dictionary says
                return fixedSet(std::string(elision->form), elision->readings);
        }
        // A capital inside a sentence makes a proper noun of a word the dictionary knows as one,
        // does not know in lower case, or the text never writes in lower case; at the start of a
        // sentence, only of one it never writes in lower case and the dictionary knows as a
        // proper noun or not at all.
        if (flags & capitalisedFlag) {
            const ProperNoun& proper = properNoun(form);
            const bool named = proper.inDictionary || !isKnown(form);
            const bool onlyCapitalised = !writtenInLowerCase_[form];
            if ((flags & sentenceStartFlag) ? onlyCapitalised && named : named || onlyCapitalised)
                return proper.set;
        }
        return dictionarySet(form);
    }

    void chooseReadings()
    {
        const std::size_t count = forms_.size();
        chosen_ = filledUnlessCancelled<std::uint32_t>(count, 0);
        ambiguous_.resize(count);
        std::uint32_t set = count ? setAt(0) : noSet;
        int formsSinceAuxiliary = -1; // adverbs read since être or avoir, or -1 after anything else
        for (std::size_t occurrence = 0; occurrence < count; ++occurrence) {
            stopIfCancelledEveryChunk(occurrence);
            const bool startsSentence = flags_[occurrence] & sentenceStartFlag;
            const bool hasNext = occurrence + 1 < count && !(flags_[occurrence + 1] & sentenceStartFlag);
            const std::uint32_t nextSet = occurrence + 1 < count ? setAt(occurrence + 1) : noSet;
            if (flags_[occurrence] & joinedFlag) {
                chosen_[occurrence] = chosen_[occurrence - 1];
                set = nextSet;
                continue;
            }
            Neighbours around;
            if (!startsSentence && occurrence > 0) {
                around.previous = &pool_[chosen_[occurrence - 1]];
                around.afterAuxiliary = formsSinceAuxiliary >= 0;
            }
            if (hasNext)
                around.next = readingsOf(nextSet);
            const Readings readings = readingsOf(set);
            const std::size_t choice = sets_[set].properNoun ? 0 : chooseReading(readings, formAt(occurrence), around);
            chosen_[occurrence] = sets_[set].start + static_cast<std::uint32_t>(choice);
            ambiguous_[occurrence] = readings.size() > 1;
            const Reading& reading = pool_[chosen_[occurrence]];
            if (reading.isAuxiliaryVerb())
                formsSinceAuxiliary = 0;
            else if (formsSinceAuxiliary >= 0 && formsSinceAuxiliary < 2 && letsAuxiliaryReach(reading))
                ++formsSinceAuxiliary;
            else
                formsSinceAuxiliary = -1;
            set = nextSet;
        }
    }

    // Être and avoir before a past participle of the same sentence are auxiliaries.
    void markAuxiliaries()
    {
        auxiliary_.assign(forms_.size(), false);
        for (std::size_t occurrence = 0; occurrence < forms_.size(); ++occurrence) {
            stopIfCancelledEveryChunk(occurrence);
            if (!pool_[chosen_[occurrence]].isAuxiliaryVerb())
                continue;
            for (std::size_t after = occurrence + 1; after < forms_.size() && after <= occurrence + 4; ++after) {
                if (flags_[after] & sentenceStartFlag)
                    break;
                const Reading& reading = pool_[chosen_[after]];
                if (reading.category == WordCategory::Verb && reading.pastParticiple) {
                    auxiliary_[occurrence] = true;
                    break;
                }
                if (!letsAuxiliaryReach(reading))
                    break;
            }
        }
    }

    LemmatizedText::Id lemmaNumber(LemmatizedText& result, Lemma lemma)
    {
        std::string key = lemma.lemma;
        key.push_back(static_cast<char>(lemma.category));
        const auto [found, added] = lemmaNumbers_.try_emplace(std::move(key), result.lemmas_.size());
        if (added) {
            result.lemmas_.push_back(std::move(lemma));
            result.alternatives_.emplace_back();
        }
        return found->second;
    }

    LemmatizedText numberLemmas()
    {
        LemmatizedText result;
        result.occurrences_ = filledUnlessCancelled<std::uint32_t>(forms_.size(), 0);
        for (std::size_t occurrence = 0; occurrence < forms_.size(); ++occurrence) {
            stopIfCancelledEveryChunk(occurrence);
            const Reading& reading = pool_[chosen_[occurrence]];
            const WordCategory category = auxiliary_[occurrence] ? WordCategory::Auxiliary : reading.category;
            const LemmatizedText::Id number = lemmaNumber(result, {reading.lemma, category});
            std::uint32_t value = number;
            if (flags_[occurrence] & joinedFlag)
                value |= LemmatizedText::joinedBit;
            if (ambiguous_[occurrence]) {
                value |= LemmatizedText::ambiguousBit;
                const std::uint32_t set = setOfChosen(occurrence);
                std::vector<Lemma>& others = result.alternatives_[number];
                for (const Reading& other : readingsOf(set)) {
                    if (&other == &reading)
                        continue;
                    Lemma alternative{other.lemma, other.category};
                    if (std::ranges::find(others, alternative) == others.end())
                        others.push_back(std::move(alternative));
                }
            }
            result.occurrences_[occurrence] = value;
        }
        return result;
    }

    // The set the chosen reading of an occurrence was taken from.
    std::uint32_t setOfChosen(std::size_t occurrence) const
    {
        const std::uint32_t index = chosen_[occurrence];
        const auto found = std::ranges::upper_bound(sets_, index, {}, &ReadingSet::start);
        return static_cast<std::uint32_t>(found - sets_.begin() - 1);
    }

    std::string_view text_;
    const TokenizedText& tokens_;
    const FrenchDictionary& dictionary_;

    std::vector<Reading> pool_;
    std::vector<ReadingSet> sets_;
    std::vector<std::uint32_t> dictionarySets_;
    std::unordered_map<FormTable::Id, ProperNoun> properNouns_;
    std::unordered_map<std::string, std::uint32_t> fixedSets_;

    std::vector<FormTable::Id> forms_;
    std::vector<std::uint8_t> flags_;
    std::vector<bool> writtenInLowerCase_;
    std::vector<std::uint32_t> chosen_; // in the pool
    std::vector<bool> ambiguous_;
    std::vector<bool> auxiliary_;
    std::unordered_map<std::string, LemmatizedText::Id> lemmaNumbers_;
};

LemmatizedText lemmatize(std::string_view text, const TokenizedText& tokens, const FrenchDictionary& dictionary)
{
    return Lemmatizer(text, tokens, dictionary).run();
}

} // namespace quorvelle
