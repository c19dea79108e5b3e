// Conversion between code page 1252 and QString, through the core's code page table.
#include "ui/cp1252_text.h"

#include "core/text/encoding.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace quorvelle::ui {
namespace {

constexpr std::size_t byteValues = 256;

const std::array<char16_t, byteValues>& codePointsOfBytes()
{
    static const std::array<char16_t, byteValues> table = [] {
        std::array<char16_t, byteValues> codePoints{};
        for (std::size_t byte = 0; byte < byteValues; ++byte)
            codePoints[byte] = static_cast<char16_t>(cp1252ToCodePoint(static_cast<char>(byte)));
        return codePoints;
    }();
    return table;
}

char byteOf(char16_t codePoint)
{
    constexpr char16_t latin1Start = 0xA0;
    constexpr char16_t latin1End = 0xFF;
    constexpr char16_t asciiEnd = 0x7F;
    if (codePoint <= asciiEnd || (codePoint >= latin1Start && codePoint <= latin1End))
        return static_cast<char>(codePoint);
    // Only the 32 bytes 0x80 to 0x9F stand for other characters.
    const auto& codePoints = codePointsOfBytes();
    for (std::size_t byte = asciiEnd + 1; byte < latin1Start; ++byte) {
        if (codePoints[byte] == codePoint)
            return static_cast<char>(byte);
    }
    return substituteCharacter;
}

bool isSubstitute(char16_t codePoint)
{
    return codePoint != static_cast<unsigned char>(substituteCharacter) && byteOf(codePoint) == substituteCharacter;
}

} // namespace

QString fromCp1252(std::string_view text)
{
    const auto& codePoints = codePointsOfBytes();
    QString result(static_cast<qsizetype>(text.size()), Qt::Uninitialized);
    QChar* out = result.data();
    for (const char byte : text)
        *out++ = QChar(codePoints[static_cast<unsigned char>(byte)]);
    return result;
}

std::optional<qsizetype> firstOutsideCp1252(const QString& text)
{
    const auto outside = std::ranges::find_if(text, [](QChar character) { return isSubstitute(character.unicode()); });
    if (outside == text.end())
        return std::nullopt;
    return outside - text.begin();
}

std::string toCp1252(const QString& text)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype index = 0; index < text.size(); ++index) {
        const QChar character = text.at(index);
        if (character.isHighSurrogate() && index + 1 < text.size() && text.at(index + 1).isLowSurrogate()) {
            bytes.push_back(substituteCharacter);
            ++index;
            continue;
        }
        bytes.push_back(byteOf(character.unicode()));
    }
    return bytes;
}

} // namespace quorvelle::ui
