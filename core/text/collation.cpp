// ICU's French collator over code page 1252 text.
#include "core/text/collation.h"

#include "core/text/encoding.h"
#include "core/text/work_cancellation.h"

#include <unicode/coll.h>
#include <unicode/locid.h>

#include <algorithm>
#include <cstdint>
#include <stdexcept>

namespace quorvelle {
namespace {

// Every code page 1252 character is one UTF-16 unit.
void toUtf16(std::string_view text, std::u16string& utf16)
{
    utf16.resize(text.size());
    for (std::size_t index = 0; index < text.size(); ++index)
        utf16[index] = static_cast<char16_t>(cp1252ToCodePoint(text[index]));
}

} // namespace

class FrenchCollator::Icu {
public:
    Icu()
    {
        UErrorCode status = U_ZERO_ERROR;
        collator.reset(icu::Collator::createInstance(icu::Locale::getFrench(), status));
        if (U_FAILURE(status) || !collator)
            throw std::runtime_error("ICU French collator unavailable");
        lettersOnly.reset(collator->clone());
        if (lettersOnly)
            lettersOnly->setAttribute(UCOL_STRENGTH, UCOL_PRIMARY, status);
        if (U_FAILURE(status) || !lettersOnly)
            throw std::runtime_error("ICU French collator unavailable");
    }

    std::unique_ptr<icu::Collator> collator;
    std::unique_ptr<icu::Collator> lettersOnly; ///< the same at primary strength
};

FrenchCollator::FrenchCollator()
    : icu_(std::make_unique<Icu>())
{
}

FrenchCollator::~FrenchCollator() = default;

const FrenchCollator& FrenchCollator::instance()
{
    static const FrenchCollator collator;
    return collator;
}

std::string FrenchCollator::sortKey(std::string_view text) const
{
    std::string key;
    Scratch scratch;
    appendSortKey(text, scratch, key);
    return key;
}

void FrenchCollator::appendSortKey(std::string_view text, Scratch& scratch, std::string& keys) const
{
    toUtf16(text, scratch.utf16);
    const auto write = [&] {
        return static_cast<std::size_t>(icu_->collator->getSortKey(
            scratch.utf16.data(), static_cast<int32_t>(scratch.utf16.size()),
            reinterpret_cast<uint8_t*>(scratch.key.data()), static_cast<int32_t>(scratch.key.size())));
    };
    // The buffer grows to the longest key met, and is filled without being cleared.
    scratch.key.resize(std::max(scratch.key.size(), text.size() * 4 + 16));
    std::size_t length = write();
    if (length > scratch.key.size()) {
        scratch.key.resize(length);
        length = write();
    }
    // ICU ends the key with a zero byte, which plays no part in comparisons.
    keys.append(scratch.key.data(), length > 0 ? length - 1 : 0);
}

std::strong_ordering FrenchCollator::compare(std::string_view left, std::string_view right) const
{
    if (const auto byKey = sortKey(left) <=> sortKey(right); byKey != 0)
        return byKey;
    return left <=> right;
}

bool FrenchCollator::sameLetters(std::string_view left, std::string_view right) const
{
    std::u16string left16;
    std::u16string right16;
    toUtf16(left, left16);
    toUtf16(right, right16);
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult result =
        icu_->lettersOnly->compare(left16.data(), static_cast<int32_t>(left16.size()), right16.data(),
                                   static_cast<int32_t>(right16.size()), status);
    return U_SUCCESS(status) && result == UCOL_EQUAL;
}

std::vector<std::size_t> FrenchCollator::order(const std::vector<std::string_view>& texts) const
{
    // The keys are kept one after the other in one buffer, and each text is sorted with
    // the first bytes of its key beside it, so that most comparisons look at two integers
    // rather than follow two keys through memory.
    struct Entry {
        std::uint64_t keyPrefix; // the key's first 8 bytes, big-endian, zero-padded
        std::size_t index;
    };
    std::string keys;
    Scratch scratch;
    std::vector<std::size_t> keyStart(texts.size() + 1, 0);
    std::vector<Entry> entries;
    entries.reserve(texts.size());
    for (std::size_t index = 0; index < texts.size(); ++index) {
        stopIfCancelledEveryChunk(index);
        appendSortKey(texts[index], scratch, keys);
        keyStart[index + 1] = keys.size();
        const std::string_view key = std::string_view(keys).substr(keyStart[index]);
        std::uint64_t prefix = 0;
        for (std::size_t byte = 0; byte < sizeof prefix; ++byte)
            prefix = (prefix << 8) | (byte < key.size() ? static_cast<unsigned char>(key[byte]) : 0u);
        entries.push_back({prefix, index});
    }
    const auto keyOf = [&](std::size_t index) {
        return std::string_view(keys).substr(keyStart[index], keyStart[index + 1] - keyStart[index]);
    };

    // Zero padding keeps the prefixes in the order of the keys: a shorter key comes first.
    std::sort(entries.begin(), entries.end(), [&](const Entry& left, const Entry& right) {
        if (left.keyPrefix != right.keyPrefix)
            return left.keyPrefix < right.keyPrefix;
        if (const auto byKey = keyOf(left.index) <=> keyOf(right.index); byKey != 0)
            return byKey < 0;
        return texts[left.index] < texts[right.index];
    });
    std::vector<std::size_t> permutation;
    permutation.reserve(entries.size());
    for (const Entry& entry : entries)
        permutation.push_back(entry.index);
    return permutation;
}

} // namespace quorvelle
