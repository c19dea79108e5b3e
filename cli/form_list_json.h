// The JSON of a list of forms with their counts, which several statistics write.
#pragma once

#include "cli/json_writer.h"
#include "core/text/form_list.h"

namespace quorvelle::cli {

/// [[form, count], …] in the given order.
void writeJsonForms(JsonWriter& json, FormList forms);

} // namespace quorvelle::cli
