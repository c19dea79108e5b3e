// Stored (uncompressed) zip archives written by hand: local headers, central directory, end.
#include "fuzz/document_containers.h"

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace quorvelle::fuzz {
namespace {

using Entry = std::pair<std::string_view, std::string_view>;

std::uint32_t crc32(std::string_view bytes)
{
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> values{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int bit = 0; bit < 8; ++bit)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            values[n] = c;
        }
        return values;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char byte : bytes)
        crc = table[(crc ^ static_cast<std::uint8_t>(byte)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

void put(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::string storedZip(const std::vector<Entry>& entries)
{
    std::string archive;
    std::string directory;
    for (const auto& [name, content] : entries) {
        const auto offset = static_cast<std::uint32_t>(archive.size());
        const std::uint32_t crc = crc32(content);
        const auto size = static_cast<std::uint32_t>(content.size());
        const auto nameSize = static_cast<std::uint32_t>(name.size());
        put(archive, 0x04034B50, 4); // local header: version, flags, method 0, time, date
        put(archive, 20, 2), put(archive, 0, 2), put(archive, 0, 2), put(archive, 0, 4);
        put(archive, crc, 4), put(archive, size, 4), put(archive, size, 4);
        put(archive, nameSize, 2), put(archive, 0, 2);
        archive.append(name).append(content);
        put(directory, 0x02014B50, 4); // central header, then its comment, disk and attributes
        put(directory, 20, 2), put(directory, 20, 2), put(directory, 0, 2), put(directory, 0, 2);
        put(directory, 0, 4), put(directory, crc, 4), put(directory, size, 4), put(directory, size, 4);
        put(directory, nameSize, 2), put(directory, 0, 2), put(directory, 0, 2), put(directory, 0, 2);
        put(directory, 0, 2), put(directory, 0, 4), put(directory, offset, 4);
        directory.append(name);
    }
    const auto directoryOffset = static_cast<std::uint32_t>(archive.size());
    archive += directory;
    put(archive, 0x06054B50, 4); // end of central directory
    put(archive, 0, 2), put(archive, 0, 2);
    put(archive, static_cast<std::uint32_t>(entries.size()), 2),
        put(archive, static_cast<std::uint32_t>(entries.size()), 2);
    put(archive, static_cast<std::uint32_t>(directory.size()), 4), put(archive, directoryOffset, 4), put(archive, 0, 2);
    return archive;
}

bool isZip(std::string_view bytes)
{
    return bytes.starts_with("PK");
}

} // namespace

std::string asOpenDocument(std::string_view bytes)
{
    if (isZip(bytes))
        return std::string(bytes);
    return storedZip({{"mimetype", "application/vnd.oasis.opendocument.text"}, {"content.xml", bytes}});
}

std::string asWordDocument(std::string_view bytes)
{
    if (isZip(bytes))
        return std::string(bytes);
    return storedZip({{"[Content_Types].xml",
                       "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"><Override "
                       "PartName=\"/word/document.xml\" ContentType=\"application/"
                       "vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/></Types>"},
                      {"word/document.xml", bytes}});
}

std::string asEpub(std::string_view bytes)
{
    if (isZip(bytes))
        return std::string(bytes);
    return storedZip({{"mimetype", "application/epub+zip"},
                      {"META-INF/container.xml",
                       "<container><rootfiles><rootfile full-path=\"livre.opf\"/></rootfiles></container>"},
                      {"livre.opf",
                       "<package><manifest><item id=\"c\" href=\"c.xhtml\" "
                       "media-type=\"application/xhtml+xml\"/></manifest><spine><itemref "
                       "idref=\"c\"/></spine></package>"},
                      {"c.xhtml", bytes}});
}

} // namespace quorvelle::fuzz
