// French-like text: a Zipf-Mandelbrot law over a large made-up lexicon, dressed as prose.
#include "bench/french_like_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>
#include <vector>

namespace quorvelle::bench {
namespace {

// SplitMix64: tiny, fast, and the same on every platform (unlike std distributions).
class Random {
public:
    explicit Random(std::uint64_t seed)
        : state_(seed)
    {
    }

    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    std::size_t below(std::size_t bound) { return static_cast<std::size_t>(next() % bound); }
    bool chance(double probability) { return unit() < probability; }

private:
    std::uint64_t state_;
};

// The most frequent words of French prose, in code page 1252.
constexpr std::array<std::string_view, 60> functionWords = {
    "de",   "la",        "le",    "et",   "les",  "des",  "en",   "un",      "une",    "du",    "\xE0",    "il",
    "que",  "est",       "pour",  "qui",  "dans", "a",    "par",  "plus",    "pas",    "au",    "sur",     "ne",
    "se",   "ce",        "elle",  "son",  "sa",   "avec", "mais", "on",      "ou",     "comme", "nous",    "vous",
    "ils",  "aux",       "y",     "tout", "lui",  "bien", "sans", "m\xEAme", "sont",   "cette", "leur",    "o\xF9",
    "fait", "\xE9t\xE9", "avait", "dit",  "deux", "je",   "me",   "si",      "encore", "alors", "tr\xE8s", "apr\xE8s",
};

constexpr std::array<std::string_view, 40> syllables = {
    "ba", "be", "bou", "ca", "cha",   "che", "con", "de", "d\xE9", "di", "fa",     "fen", "ga", "gri",
    "la", "le", "lon", "ma", "m\xE8", "mi",  "na",  "no", "pa",    "pi", "pr\xE9", "que", "ra", "re",
    "ri", "sa", "son", "ta", "t\xEA", "ti",  "tou", "va", "ve",    "vi", "ch\xE2", "an",
};

constexpr std::array<std::string_view, 12> endings = {
    "", "", "", "s", "e", "es", "ent", "er", "\xE9", "ait", "ion", "eur",
};

constexpr std::array<std::string_view, 4> elisions = {"l'", "d'", "qu'", "n'"};

// Tuned so that 10 MB hold about 1.6 million forms and 26 000 distinct ones, the
// vocabulary growing on with the size as in real prose.
// The law is Zipf-Mandelbrot, 1 / (rank + offset)^exponent: the offset keeps "de" near
// the 5 % it has in real prose.
constexpr std::size_t lexiconSize = 1'000'000;
constexpr double zipfExponent = 1.68;
constexpr double zipfOffset = 20;

// A made-up word for each rank: the ending, then the syllables spelling the rest of the
// rank in base 40, so that frequent words are the shorter ones.
std::string madeUpWord(std::size_t rank)
{
    std::string word;
    std::size_t code = rank / endings.size() + syllables.size() * syllables.size(); // three syllables at least
    do {
        word += syllables[code % syllables.size()];
        code /= syllables.size();
    } while (code != 0);
    word += endings[rank % endings.size()];
    return word;
}

std::vector<std::string> makeLexicon()
{
    std::vector<std::string> lexicon(functionWords.begin(), functionWords.end());
    for (std::size_t rank = lexicon.size(); rank < lexiconSize; ++rank)
        lexicon.push_back(madeUpWord(rank));
    return lexicon;
}

std::vector<double> zipfCumulative()
{
    std::vector<double> cumulative(lexiconSize);
    double sum = 0;
    for (std::size_t rank = 0; rank < lexiconSize; ++rank) {
        sum += 1.0 / std::pow(static_cast<double>(rank + 1) + zipfOffset, zipfExponent);
        cumulative[rank] = sum;
    }
    for (double& value : cumulative)
        value /= sum;
    return cumulative;
}

char upperCased(char c)
{
    const auto code = static_cast<unsigned char>(c);
    if ((code >= 'a' && code <= 'z') || (code >= 0xE0 && code <= 0xFE && code != 0xF7))
        return static_cast<char>(code - 0x20);
    return c;
}

} // namespace

std::string generateFrenchLikeText(std::size_t bytes, std::uint64_t seed)
{
    static const std::vector<std::string> lexicon = makeLexicon();
    static const std::vector<double> cumulative = zipfCumulative();
    Random random(seed);
    auto drawWord = [&]() -> const std::string& {
        const auto found = std::lower_bound(cumulative.begin(), cumulative.end(), random.unit());
        return lexicon[static_cast<std::size_t>(std::min<std::ptrdiff_t>(found - cumulative.begin(), lexiconSize - 1))];
    };

    std::string text;
    text.reserve(bytes + 256);
    while (text.size() < bytes) {
        const bool dialogue = random.chance(0.15);
        if (dialogue)
            text += "\x97 ";
        const std::size_t words = 4 + random.below(18);
        for (std::size_t index = 0; index < words; ++index) {
            if (index > 0)
                text += random.chance(0.08) ? ", " : " ";
            if (random.chance(0.03)) {
                text += std::to_string(random.below(2000));
                continue;
            }
            const std::size_t start = text.size();
            const std::string& word = drawWord();
            if (std::string_view("aeiouh\xE0\xE9\xEA").find(word.front()) != std::string_view::npos
                && random.chance(0.3))
                text += elisions[random.below(elisions.size())];
            text += word;
            if (random.chance(0.02))
                text += "-" + drawWord();
            if (index == 0)
                text[start] = upperCased(text[start]);
        }
        const double ending = random.unit();
        text += dialogue && ending < 0.4 ? " ?" : ending < 0.08 ? " !" : ending < 0.12 ? "\x85" : ".";
        text += random.chance(0.2) ? "\r\n" : " ";
    }
    text.resize(bytes);
    return text;
}

} // namespace quorvelle::bench
