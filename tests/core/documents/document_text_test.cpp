// Documents read as their text: every format gives the words of the plain text, every
// damaged, locked or hostile document the reason it cannot be read.
#include "core/documents/document_error.h"
#include "core/documents/document_text.h"
#include "core/text/segmentation.h"
#include "core/text/text_file.h"
#include "tests/core/test_texts.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace quorvelle {
namespace {

using Reason = FileError::Reason;

const std::filesystem::path documents = std::filesystem::path(QUORVELLE_TEST_DATA) / "documents";

std::vector<std::string> formsOf(const std::string& text)
{
    std::vector<std::string> forms;
    forEachForm(text, Alphabet::of(LetterRule::Classic), [&](std::string_view form) { forms.emplace_back(form); });
    return forms;
}

// A file of the given name and bytes in a folder of this test run, removed with it.
class ScratchFile {
public:
    ScratchFile(const std::string& name, const std::string& bytes)
        : path_(std::filesystem::temp_directory_path() / ("quorvelle-documents-" + std::to_string(::getpid())) / name)
    {
        std::filesystem::create_directories(path_.parent_path());
        std::ofstream(path_, std::ios::binary) << bytes;
    }
    ~ScratchFile() { std::filesystem::remove_all(path_.parent_path()); }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

std::string fixtureBytes(const std::string& name)
{
    return readFileBytes(documents / name);
}

TEST(DocumentText, EveryFormatGivesTheWordsOfThePlainText)
{
    const LoadedText plain = loadTextFile(documents / "texte.txt");
    for (const char* name : {"texte.odt", "texte.docx", "texte.epub", "texte.html", "texte.pdf"}) {
        SCOPED_TRACE(name);
        const LoadedText document = loadTextFile(documents / name);
        EXPECT_EQ(formsOf(document.text), formsOf(plain.text));
        // The size asked about is the text's, not the compressed file's.
        EXPECT_EQ(document.size, document.text.size());
        EXPECT_EQ(document.encoding, Encoding::Utf8);
    }
    EXPECT_EQ(plain.encoding, Encoding::Utf8); // texte.txt is written in UTF-8
    // OpenDocument writes its spaces, tab, line break and note as elements: all as they stand,
    // the note after its paragraph, each paragraph ended by CR LF.
    EXPECT_EQ(loadTextFile(documents / "texte.odt").text, plain.text);
}

TEST(DocumentText, APdfGivesTheWordsOnItsPagesAndNotItsLayout)
{
    // Its running headers and footers are left out, the words its layout hyphenated joined,
    // and a compound cut after its hyphen is read as the text writes it.
    const LoadedText pdf = loadTextFile(documents / "mise-en-page.pdf");
    EXPECT_EQ(formsOf(pdf.text), formsOf(loadTextFile(documents / "mise-en-page.txt").text));
    EXPECT_NE(pdf.text.find("mon grand-\r\noncle ne"), std::string::npos);
    // One line end between two pages, as between two lines.
    EXPECT_NE(pdf.text.find(test::cp1252("ce qu’il y\r\ncherchait.\r\n")), std::string::npos);
}

TEST(DocumentText, EachBadDocumentSaysWhy)
{
    struct Case {
        const char* name;
        Reason reason;
        std::string detail;
    };
    const std::vector<Case> cases = {
        {"tronque.docx", Reason::DamagedDocument, formatName::word},
        {"corrompu.odt", Reason::DamagedDocument, formatName::openDocument},
        {"protege.odt", Reason::ProtectedDocument, formatName::openDocument},
        {"protege.pdf", Reason::ProtectedDocument, formatName::pdf},
        {"images.pdf", Reason::ImagesOnlyDocument, formatName::pdf},
        {"bombe.docx", Reason::DocumentTooLarge, formatName::word},
        {"entites.docx", Reason::UnsafeDocument, formatName::word},
        {"manquant.epub", Reason::MissingDocumentPart, "OEBPS/Text/chapitre3.xhtml"},
        {"archive.zip", Reason::NotADocument, "ZIP"},
    };
    for (const Case& bad : cases) {
        SCOPED_TRACE(bad.name);
        try {
            loadTextFile(documents / bad.name);
            ADD_FAILURE() << "read without complaint";
        } catch (const FileError& error) {
            EXPECT_EQ(error.reason(), bad.reason);
            EXPECT_EQ(error.detail(), bad.detail);
            EXPECT_EQ(error.path(), documents / bad.name);
        }
    }
}

TEST(DocumentText, TheContentTellsTheFormatAndTheNameOnlyHints)
{
    // A Word document named as a text, and a text named as a PDF, are what they hold.
    const ScratchFile disguised("lettre.txt", fixtureBytes("texte.docx"));
    EXPECT_EQ(formsOf(loadTextFile(disguised.path()).text), formsOf(loadTextFile(documents / "texte.txt").text));
    const ScratchFile renamed("notes.pdf", "Une simple note.");
    EXPECT_EQ(loadTextFile(renamed.path()).text, "Une simple note.");

    // A page without <html> is HTML by its name only.
    const ScratchFile fragment("extrait.htm", "<p>un&nbsp;<b>mot</b></p><p>deux</p>");
    EXPECT_EQ(loadTextFile(fragment.path()).text, test::cp1252("un\u00A0mot\r\ndeux\r\n"));
    const ScratchFile fragmentAsText("extrait.txt", "<p>un</p>");
    EXPECT_EQ(loadTextFile(fragmentAsText.path()).text, "<p>un</p>");

    // Binary bytes under a document's name are a damaged document, not text to show; an
    // Office 97-2003 file, and one holding a password-protected Word document, say what they are.
    const ScratchFile junk("rapport.docx", std::string("\x01\x02\x03 rien", 8));
    const std::string compound("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    const ScratchFile old("ancien.doc", compound + std::string(504, '\0'));
    const ScratchFile locked("protege.docx",
                             compound + std::string("E\0n\0c\0r\0y\0p\0t\0e\0d\0P\0a\0c\0k\0a\0g\0e\0", 32));
    for (const auto& [file, reason] : {std::pair{&junk, Reason::DamagedDocument},
                                       {&old, Reason::OldOfficeDocument},
                                       {&locked, Reason::ProtectedDocument}}) {
        try {
            loadTextFile(file->path());
            ADD_FAILURE() << file->path() << " read without complaint";
        } catch (const FileError& error) {
            EXPECT_EQ(error.reason(), reason) << file->path();
        }
    }
}

} // namespace
} // namespace quorvelle
