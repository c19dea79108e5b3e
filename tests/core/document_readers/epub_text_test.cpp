// The paths of an EPUB's parts, resolved as its package writes them.
#include "core/document_readers/epub_text.h"

#include <gtest/gtest.h>

namespace quorvelle {
namespace {

TEST(EpubText, ResolvesPathsAgainstThePackageFolder)
{
    EXPECT_EQ(resolveArchivePath("OEBPS/", "Text/ch1.xhtml"), "OEBPS/Text/ch1.xhtml");
    EXPECT_EQ(resolveArchivePath("OEBPS/Text/", "../Text/./ch%201.xhtml#note"), "OEBPS/Text/ch 1.xhtml");
    EXPECT_EQ(resolveArchivePath("", "../../livre.opf"), "livre.opf");
}

} // namespace
} // namespace quorvelle
