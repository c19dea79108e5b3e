// Text and JSON output of the character counts and the vocabulary list.
#pragma once

#include "cli/json_writer.h"
#include "core/character_counts.h"
#include "core/vocabulary_report.h"

#include <ostream>
#include <vector>

namespace quorvelle::cli {

void writeText(std::ostream& out, const CharacterCounts& counts);
void writeJson(JsonWriter& json, const CharacterCounts& counts);

void writeText(std::ostream& out, const VocabularyReport& report);
void writeJson(JsonWriter& json, const VocabularyReport& report);

/// [[form, count], …] in the given order.
void writeJson(JsonWriter& json, const std::vector<FormCount>& forms);

} // namespace quorvelle::cli
