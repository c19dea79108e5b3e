// A list of forms as a JSON array of [form, count] pairs.
#include "cli/form_list_json.h"

namespace quorvelle::cli {

void writeJsonForms(JsonWriter& json, FormList forms)
{
    json.beginArray();
    for (const FormCount& form : forms)
        json.textAndCount(form.form, form.count);
    json.endArray();
}

} // namespace quorvelle::cli
