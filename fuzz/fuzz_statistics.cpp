// libFuzzer target: arbitrary bytes through decoding, segmentation and every statistic,
// with the invariants the reports must keep whatever the input.
#include "cli/json_writer.h"
#include "cli/vocabulary_output.h"
#include "core/character_counts.h"
#include "core/encoding.h"
#include "core/segmentation.h"
#include "core/vocabulary_report.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void checkText(const std::string& text)
{
    const quorvelle::CharacterCounts counts = quorvelle::countCharacters(text);
    require(counts.alphabetic + counts.numeric + counts.special == counts.total);
    require(counts.total == static_cast<std::int64_t>(text.size()));

    const quorvelle::VocabularyReport report = quorvelle::vocabularyReport(text);
    require(report.tokenCount == counts.words);
    require(report.distinctCount == static_cast<std::int64_t>(report.alphabetical.size()));
    require(report.byFrequency.size() == report.alphabetical.size());
    require(report.meanFrequency.has_value() == (report.distinctCount > 0));
    std::int64_t total = 0;
    for (const quorvelle::FormCount& form : report.alphabetical) {
        require(!form.form.empty() && form.count > 0);
        total += form.count;
    }
    require(total == report.tokenCount);
    for (std::size_t index = 1; index < report.byFrequency.size(); ++index)
        require(report.byFrequency[index - 1].count >= report.byFrequency[index].count);

    // JSON writing throws on text that is not valid UTF-8.
    std::ostringstream out;
    quorvelle::cli::JsonWriter json(out);
    quorvelle::cli::writeJson(json, report);
    quorvelle::cli::writeJson(json, counts);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    for (const auto encoding : {quorvelle::Encoding::Auto, quorvelle::Encoding::Cp1252, quorvelle::Encoding::Utf8}) {
        const std::string text = quorvelle::decodeText(bytes, encoding);
        require(text.size() <= bytes.size());
        require(quorvelle::isStrictUtf8(quorvelle::cp1252ToUtf8(text)));
        checkText(text);
    }
    return 0;
}
