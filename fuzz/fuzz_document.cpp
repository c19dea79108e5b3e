// libFuzzer target: one document extractor, chosen when the target is built
// (QUORVELLE_FUZZED_EXTRACTOR names it, QUORVELLE_FUZZED_CONTAINER how an input that is not an
// archive is put in the format's container). Arbitrary bytes must give a text whose line ends
// are all CR LF, or a DocumentError; anything else (a crash, another exception, a leak, a
// hang) is a finding.
#include "core/document_readers/epub_text.h"
#include "core/document_readers/html_text.h"
#include "core/document_readers/odf_text.h"
#include "core/document_readers/pdf_text.h"
#include "core/document_readers/word_text.h"
#include "core/documents/document_error.h"
#include "fuzz/document_containers.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// Every CR is followed by LF and every LF preceded by CR.
bool endsLinesWithCrLf(std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))
            return false;
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto document = QUORVELLE_FUZZED_CONTAINER(input);
    try {
        if (!endsLinesWithCrLf(QUORVELLE_FUZZED_EXTRACTOR(std::string_view(document))))
            std::abort();
    } catch (const quorvelle::DocumentError&) {
    }
    return 0;
}
