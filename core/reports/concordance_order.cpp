// Ranking occurrences by the forms of their keys, then sorting them by those ranks.
#include "core/reports/concordance_order.h"

#include "core/text/collation.h"
#include "core/text/segmentation.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <numeric>
#include <string>
#include <string_view>

namespace quorvelle {
namespace {

// The farthest neighbour a key names.
constexpr std::size_t farthestNeighbour = 3;

// The nth form of a context (from 1, up to farthestNeighbour), counted from its end for a left
// context, from its start for a right one; empty when it holds fewer forms.
std::string_view nthForm(std::string_view context, std::size_t nth, bool fromEnd, const Alphabet& alphabet)
{
    std::array<std::string_view, farthestNeighbour> latest; // form number i at i % farthestNeighbour
    std::size_t count = 0;
    std::string_view found;
    forEachForm(context, alphabet, [&](std::string_view form) {
        ++count;
        if (!fromEnd && count == nth)
            found = form;
        latest[count % farthestNeighbour] = form;
    });
    if (fromEnd && count >= nth)
        found = latest[(count - nth + 1) % farthestNeighbour];
    return found;
}

// The form of an occurrence that key names, lower-cased; empty when its context holds none.
std::string keyForm(const ConcordanceLine& occurrence, ConcordanceKey key, const Alphabet& alphabet)
{
    const int place = static_cast<int>(key);
    if (place != 0) {
        const auto nth = static_cast<std::size_t>(std::abs(place));
        return alphabet.lowerCased(place < 0 ? nthForm(occurrence.left, nth, true, alphabet)
                                             : nthForm(occurrence.right, nth, false, alphabet));
    }
    std::string pivot;
    forEachForm(occurrence.form, alphabet,
                [&pivot](std::string_view form) { pivot.append(pivot.empty() ? "" : " ").append(form); });
    return alphabet.lowerCased(pivot);
}

// Each occurrence's rank by the form of key: the place of its form among all of them in
// alphabetical order, the same for the same form.
std::vector<std::size_t> ranksBy(const Concordance& concordance, ConcordanceKey key)
{
    const Alphabet& alphabet = Alphabet::of(concordance.letters);
    std::vector<std::string> forms;
    forms.reserve(concordance.occurrences.size());
    for (const ConcordanceLine& occurrence : concordance.occurrences)
        forms.push_back(keyForm(occurrence, key, alphabet));
    const std::vector<std::size_t> alphabetical = FrenchCollator::instance().order({forms.begin(), forms.end()});
    std::vector<std::size_t> rank(forms.size());
    for (std::size_t position = 0; position < alphabetical.size(); ++position) {
        const std::size_t form = alphabetical[position];
        const bool sameAsPrevious = position > 0 && forms[alphabetical[position - 1]] == forms[form];
        rank[form] = sameAsPrevious ? rank[alphabetical[position - 1]] : position;
    }
    return rank;
}

} // namespace

std::vector<std::size_t> concordanceOrder(const Concordance& concordance, std::span<const ConcordanceKey> keys)
{
    std::vector<std::size_t> places(concordance.occurrences.size());
    std::iota(places.begin(), places.end(), std::size_t{0});
    std::vector<std::vector<std::size_t>> ranks;
    ranks.reserve(keys.size());
    for (const ConcordanceKey key : keys)
        ranks.push_back(ranksBy(concordance, key));
    std::ranges::stable_sort(places, [&ranks](std::size_t left, std::size_t right) {
        for (const std::vector<std::size_t>& rank : ranks)
            if (rank[left] != rank[right])
                return rank[left] < rank[right];
        return false;
    });
    return places;
}

} // namespace quorvelle
