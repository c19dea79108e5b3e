// Writing the lines of the listings of forms.
#include "core/presentation/result_listing.h"

#include <charconv>
#include <utility>

namespace quorvelle {

void ResultListing::addForm(std::string_view form)
{
    text_ += form;
    text_ += lineEnd_;
}

void ResultListing::addForm(std::string_view form, std::int64_t count, CountSpacing spacing)
{
    text_ += form;
    text_ += spacing == CountSpacing::TwoBlanks ? "  " : " ";
    addCount(count);
    text_ += lineEnd_;
}

void ResultListing::addCommonForm(std::string_view form, std::int64_t count1, std::int64_t count2)
{
    text_ += form;
    text_ += ' ';
    addCount(count1);
    text_ += "  ";
    addCount(count2);
    text_ += lineEnd_;
}

void ResultListing::addForms(FormList forms, CountSpacing spacing)
{
    for (const FormCount& form : forms)
        addForm(form.form, form.count, spacing);
}

void ResultListing::addCount(std::int64_t count)
{
    // "(" the digits ")" written in place: a listing may have a million lines.
    char written[24] = {'('};
    char* end = std::to_chars(written + 1, written + sizeof written - 1, count).ptr;
    *end++ = ')';
    text_.append(written, end);
}

std::string resultListing(FormList forms, CountSpacing spacing)
{
    ResultListing listing;
    listing.addForms(forms, spacing);
    return std::move(listing).text();
}

} // namespace quorvelle
