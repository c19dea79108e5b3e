// The French messages of a corpus's making.
#pragma once

#include "core/corpus/corpus.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quorvelle::french {

/// What a notice says, in UTF-8: its line when it has one, the fault, and what was done.
std::string corpusNoticeText(const CorpusNotice& notice);

/// Why the parts cannot be compared when the partition has fewer than two groups, in UTF-8;
/// empty when it has two or more.
std::string tooFewGroupsMessage(std::size_t groups, std::string_view variable);

/// That the corpus has no such variable, and the ones it has, in UTF-8 (the names in code page
/// 1252).
std::string unknownVariableMessage(std::string_view variable, const std::vector<std::string>& known);

/// The partition's caption: « chaque partie », or the variable's name in quotes, in UTF-8.
std::string partitionCaption(std::string_view variable);

} // namespace quorvelle::french
