// Writing the lines of the listings of forms.
#include "core/presentation/result_listing.h"

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
    text_ += '(';
    text_ += std::to_string(count);
    text_ += ')';
}

std::string resultListing(FormList forms, CountSpacing spacing)
{
    ResultListing listing;
    listing.addForms(forms, spacing);
    return listing.text();
}

} // namespace quorvelle
