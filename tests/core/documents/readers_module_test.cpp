// The document readers' module is refused, naming its path, when it cannot serve this program.
#include "core/documents/document_error.h"
#include "core/documents/readers_module.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace quorvelle {
namespace {

using Reason = FileError::Reason;

TEST(ReadersModule, IsRefusedNamingItsPathUnlessItServesThisProgram)
{
    const std::filesystem::path documents = std::filesystem::path(QUORVELLE_TEST_DATA) / "documents";
    const struct {
        std::filesystem::path module;
        Reason reason;
    } cases[] = {
        {documents / "absent.so", Reason::DocumentReadersMissing},
        {documents / "texte.txt", Reason::DocumentReadersUnusable}, // no library at all
        {QUORVELLE_STALE_DOCUMENT_READERS, Reason::DocumentReadersUnusable},
    };
    for (const auto& refused : cases) {
        SCOPED_TRACE(refused.module);
        try {
            loadDocumentReaders(refused.module);
            ADD_FAILURE() << "loaded";
        } catch (const DocumentError& error) {
            EXPECT_EQ(error.reason(), refused.reason);
            EXPECT_EQ(error.detail(), refused.module.string());
        }
    }
}

} // namespace
} // namespace quorvelle
