// EPUB: container, package, spine, then each document in turn.
#include "core/document_readers/epub_text.h"

#include "core/document_readers/document_text_builder.h"
#include "core/document_readers/html_text.h"
#include "core/document_readers/markup_parser.h"
#include "core/documents/document_error.h"

#include <map>
#include <set>
#include <vector>

namespace quorvelle {
namespace {

using Reason = FileError::Reason;

// The package document's path, from META-INF/container.xml.
class ContainerHandler final : public MarkupHandler {
public:
    void startElement(std::string_view name, const MarkupAttributes& attributes) override
    {
        if (name == "rootfile" && packagePath.empty())
            packagePath = resolveArchivePath({}, attributes.value("full-path"));
    }
    void endElement(std::string_view) override { }
    void text(std::string_view) override { }

    std::string packagePath;
};

// A document of the manifest.
struct ManifestItem {
    std::string path;
    std::string mediaType;
};

// The manifest and the spine of the package document.
class PackageHandler final : public MarkupHandler {
public:
    explicit PackageHandler(std::string folder)
        : folder_(std::move(folder))
    {
    }

    void startElement(std::string_view name, const MarkupAttributes& attributes) override
    {
        if (name == "item")
            manifest[std::string(attributes.value("id"))] = {resolveArchivePath(folder_, attributes.value("href")),
                                                             std::string(attributes.value("media-type"))};
        else if (name == "itemref")
            spine.emplace_back(attributes.value("idref"));
    }
    void endElement(std::string_view) override { }
    void text(std::string_view) override { }

    std::map<std::string, ManifestItem> manifest;
    std::vector<std::string> spine;

private:
    std::string folder_;
};

// The parts a digital lock encrypts, from META-INF/encryption.xml (fonts are often there,
// merely obfuscated; a document there cannot be read).
class EncryptionHandler final : public MarkupHandler {
public:
    void startElement(std::string_view name, const MarkupAttributes& attributes) override
    {
        if (name == "CipherReference")
            encryptedParts.insert(resolveArchivePath({}, attributes.value("URI")));
    }
    void endElement(std::string_view) override { }
    void text(std::string_view) override { }

    std::set<std::string> encryptedParts;
};

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string percentDecoded(std::string_view text)
{
    std::string decoded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 && hexValue(text[i + 2]) >= 0) {
            decoded += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else {
            decoded += text[i];
        }
    }
    return decoded;
}

bool isXhtml(const std::string& mediaType)
{
    return mediaType == "application/xhtml+xml" || mediaType == "text/html";
}

} // namespace

std::string resolveArchivePath(std::string_view folder, std::string_view href)
{
    href = href.substr(0, href.find('#'));
    const std::string path = std::string(folder) + percentDecoded(href);
    std::vector<std::string> segments;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        const std::string segment = path.substr(start, end - start);
        if (segment == "..") {
            if (!segments.empty())
                segments.pop_back();
        } else if (!segment.empty() && segment != ".") {
            segments.push_back(segment);
        }
        start = end + 1;
    }
    std::string resolved;
    for (const std::string& segment : segments)
        resolved += (resolved.empty() ? "" : "/") + segment;
    return resolved;
}

std::string epubText(ZipArchive& archive)
{
    ContainerHandler container;
    if (const std::optional<std::string> bytes = archive.read("META-INF/container.xml"))
        parseXml(*bytes, container, formatName::epub);
    const std::optional<std::string> package = archive.read(container.packagePath);
    if (container.packagePath.empty() || !package)
        throw DocumentError(Reason::DamagedDocument, formatName::epub);
    PackageHandler contents(folderOf(container.packagePath));
    parseXml(*package, contents, formatName::epub);

    EncryptionHandler encryption;
    if (const std::optional<std::string> bytes = archive.read("META-INF/encryption.xml"))
        parseXml(*bytes, encryption, formatName::epub);

    DocumentTextBuilder text;
    for (const std::string& id : contents.spine) {
        const auto item = contents.manifest.find(id);
        if (item == contents.manifest.end() || !isXhtml(item->second.mediaType))
            continue;
        const std::string& path = item->second.path;
        if (encryption.encryptedParts.contains(path))
            throw DocumentError(Reason::ProtectedDocument, formatName::epub);
        const std::optional<std::string> document = archive.read(path);
        if (!document)
            throw DocumentError(Reason::MissingDocumentPart, path);
        HtmlTextHandler handler(text);
        parseXml(*document, handler, formatName::epub);
        text.endBlock();
    }
    return text.take();
}

std::string epubText(std::string_view bytes)
{
    ZipArchive archive(bytes, formatName::epub);
    return epubText(archive);
}

} // namespace quorvelle
