// Open-addressing hash table over the distinct forms.
#include "core/text/form_table.h"

#include "core/text/collation.h"
#include "core/text/letters.h"

#include <limits>
#include <stdexcept>

namespace quorvelle {
namespace {

constexpr std::size_t initialSlots = 1024;

// FNV-1a: short keys, good spread, no dependency.
constexpr std::uint64_t hashSeed = 14695981039346656037ull;

constexpr std::uint64_t hashStep(std::uint64_t hash, char c)
{
    return (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
}

std::uint64_t hashOf(std::string_view form)
{
    std::uint64_t hash = hashSeed;
    for (const char c : form)
        hash = hashStep(hash, c);
    return hash;
}

} // namespace

FormTable::Id FormTable::add(std::string_view form)
{
    return add(form, hashOf(form));
}

std::optional<FormTable::Id> FormTable::find(std::string_view form) const
{
    if (slots_.empty())
        return std::nullopt;
    const std::size_t slot = probe(form, hashOf(form));
    if (slots_[slot] == 0)
        return std::nullopt;
    return slots_[slot] - 1;
}

FormTable::Id FormTable::addLowerCased(std::string_view writtenForm, const Alphabet& alphabet)
{
    lowerCased_.resize(writtenForm.size());
    std::uint64_t hash = hashSeed;
    for (std::size_t index = 0; index < writtenForm.size(); ++index) {
        const char lower = alphabet.toLower(writtenForm[index]);
        lowerCased_[index] = lower;
        hash = hashStep(hash, lower);
    }
    return add(lowerCased_, hash);
}

FormTable::Id FormTable::add(std::string_view form, std::uint64_t hash)
{
    if ((forms_.size() + 1) * 2 > slots_.size())
        grow();
    const std::size_t slot = probe(form, hash);
    if (slots_[slot] != 0) {
        const Id id = slots_[slot] - 1;
        ++counts_[id];
        return id;
    }
    if (forms_.size() >= std::numeric_limits<Id>::max())
        throw std::length_error("too many distinct forms");
    const auto id = static_cast<Id>(forms_.size());
    forms_.emplace_back(form);
    counts_.push_back(1);
    hashes_.push_back(hash);
    slots_[slot] = id + 1;
    return id;
}

std::size_t FormTable::probe(std::string_view form, std::uint64_t hash) const
{
    const std::size_t mask = slots_.size() - 1;
    std::size_t slot = hash & mask;
    while (slots_[slot] != 0) {
        const Id id = slots_[slot] - 1;
        if (hashes_[id] == hash && forms_[id] == form)
            break;
        slot = (slot + 1) & mask;
    }
    return slot;
}

void FormTable::grow()
{
    std::vector<Id> slots(slots_.empty() ? initialSlots : slots_.size() * 2, 0);
    const std::size_t mask = slots.size() - 1;
    for (Id id = 0; id < forms_.size(); ++id) {
        std::size_t slot = hashes_[id] & mask;
        while (slots[slot] != 0)
            slot = (slot + 1) & mask;
        slots[slot] = id + 1;
    }
    slots_ = std::move(slots);
}

std::vector<FormTable::Id> FormTable::alphabeticalOrder() const
{
    const std::vector<std::string_view> views(forms_.begin(), forms_.end());
    const std::vector<std::size_t> permutation = FrenchCollator::instance().order(views);
    return {permutation.begin(), permutation.end()};
}

std::vector<std::uint32_t> ranksIn(const std::vector<FormTable::Id>& order)
{
    std::vector<std::uint32_t> ranks(order.size());
    for (std::uint32_t place = 0; place < order.size(); ++place)
        ranks[order[place]] = place;
    return ranks;
}

} // namespace quorvelle
