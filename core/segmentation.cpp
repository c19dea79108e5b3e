// Whole-text helpers built on forEachForm.
#include "core/segmentation.h"

namespace quorvelle {

std::int64_t countForms(std::string_view text)
{
    std::int64_t count = 0;
    forEachForm(text, [&count](std::string_view) { ++count; });
    return count;
}

std::vector<std::string_view> writtenForms(std::string_view text)
{
    std::vector<std::string_view> forms;
    forEachForm(text, [&forms](std::string_view form) { forms.push_back(form); });
    return forms;
}

std::vector<std::string> lowerCasedForms(std::string_view text)
{
    std::vector<std::string> forms;
    forEachForm(text, [&forms](std::string_view form) { forms.push_back(lowerCased(form)); });
    return forms;
}

} // namespace quorvelle
