// Decoding UTF-8 into code page 1252 and back.
#include "core/text/encoding.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace quorvelle {
namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

// Code points of the bytes 0x80 to 0x9F; the rest of the code page is Latin-1.
constexpr std::array<char32_t, 32> windowsRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char codePointToCp1252(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<char>(codePoint);
    const auto found = std::find(windowsRange.begin(), windowsRange.end(), codePoint);
    if (found != windowsRange.end())
        return static_cast<char>(0x80 + (found - windowsRange.begin()));
    return substituteCharacter;
}

unsigned char byteAt(std::string_view bytes, std::size_t index)
{
    return static_cast<unsigned char>(bytes[index]);
}

// The range a sequence's second byte must fall in, after the given lead byte; the later
// bytes are always 0x80 to 0xBF. This is the table of well-formed byte sequences of the
// Unicode standard, which excludes overlong forms, surrogates and code points past U+10FFFF.
struct LeadByte {
    int length = 0; // 0: not a valid lead byte
    unsigned char secondLow = 0x80;
    unsigned char secondHigh = 0xBF;
};

LeadByte leadByte(unsigned char byte)
{
    if (byte >= 0xC2 && byte <= 0xDF)
        return {2};
    if (byte == 0xE0)
        return {3, 0xA0, 0xBF};
    if (byte == 0xED)
        return {3, 0x80, 0x9F};
    if (byte >= 0xE1 && byte <= 0xEF)
        return {3};
    if (byte == 0xF0)
        return {4, 0x90, 0xBF};
    if (byte >= 0xF1 && byte <= 0xF3)
        return {4};
    if (byte == 0xF4)
        return {4, 0x80, 0x8F};
    return {};
}

// Reads one sequence at index and advances index past it. An ill-formed sequence yields
// nothing and advances past its maximal subpart (at least one byte), so that each subpart
// is substituted once.
std::optional<char32_t> nextCodePoint(std::string_view bytes, std::size_t& index)
{
    const unsigned char lead = byteAt(bytes, index++);
    if (lead < 0x80)
        return lead;
    const LeadByte shape = leadByte(lead);
    if (shape.length == 0)
        return std::nullopt;

    char32_t codePoint = lead & (0xFFu >> (shape.length + 1));
    for (int position = 1; position < shape.length; ++position) {
        if (index == bytes.size())
            return std::nullopt;
        const unsigned char next = byteAt(bytes, index);
        const unsigned char low = position == 1 ? shape.secondLow : 0x80;
        const unsigned char high = position == 1 ? shape.secondHigh : 0xBF;
        if (next < low || next > high)
            return std::nullopt;
        codePoint = (codePoint << 6) | (next & 0x3Fu);
        ++index;
    }
    return codePoint;
}

std::string utf8ToCp1252(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size());
    std::size_t index = 0;
    while (index < bytes.size()) {
        const auto codePoint = nextCodePoint(bytes, index);
        text.push_back(codePoint ? codePointToCp1252(*codePoint) : substituteCharacter);
    }
    return text;
}

bool hasByteOrderMark(std::string_view bytes)
{
    return bytes.starts_with(byteOrderMark);
}

bool hasMultiByteSequence(std::string_view bytes)
{
    return std::any_of(bytes.begin(), bytes.end(), [](char byte) { return static_cast<unsigned char>(byte) >= 0x80; });
}

void appendUtf8(std::string& out, char32_t codePoint)
{
    if (codePoint < 0x80) {
        out.push_back(static_cast<char>(codePoint));
    } else if (codePoint < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (codePoint >> 6)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else {
        // Code page 1252 reaches no further than the Basic Multilingual Plane.
        out.push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    }
}

} // namespace

char32_t cp1252ToCodePoint(char byte)
{
    const auto code = static_cast<unsigned char>(byte);
    if (code >= 0x80 && code <= 0x9F)
        return windowsRange[code - 0x80u];
    return code;
}

bool isStrictUtf8(std::string_view bytes)
{
    std::size_t index = 0;
    while (index < bytes.size()) {
        if (!nextCodePoint(bytes, index))
            return false;
    }
    return true;
}

Encoding readEncoding(std::string_view bytes, Encoding encoding)
{
    if (encoding != Encoding::Auto)
        return encoding;
    if (hasByteOrderMark(bytes) || (hasMultiByteSequence(bytes) && isStrictUtf8(bytes)))
        return Encoding::Utf8;
    return Encoding::Cp1252;
}

std::string decodeText(std::string bytes, Encoding encoding)
{
    if (readEncoding(bytes, encoding) == Encoding::Cp1252)
        return bytes;
    std::string_view view = bytes;
    if (hasByteOrderMark(view))
        view.remove_prefix(byteOrderMark.size());
    return utf8ToCp1252(view);
}

std::string cp1252ToUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (const char byte : text)
        appendUtf8(out, cp1252ToCodePoint(byte));
    return out;
}

} // namespace quorvelle
