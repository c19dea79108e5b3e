// Listings of forms, one per line: how every statistic writes the forms it lists.
#pragma once

#include "core/text/form_list.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace quorvelle {

/// The blanks between a listed form and its "(count)": two in the listings of forms by
/// length, one everywhere else (chat  (2), chat (2)).
enum class CountSpacing { OneBlank, TwoBlanks };

/// A listing's line end unless told otherwise: CR LF, after every line, the last one included.
inline constexpr std::string_view resultBoxLineEnd = "\r\n";

/// A listing of forms, one per line, in code page 1252. Every listing of the program is
/// written through it, so that a line reads the same wherever it ends up; only the line end
/// differs.
class ResultListing {
public:
    explicit ResultListing(std::string_view lineEnd = resultBoxLineEnd)
        : lineEnd_(lineEnd)
    {
    }

    /// "form"
    void addForm(std::string_view form);
    /// "form (count)", or "form  (count)" with two blanks.
    void addForm(std::string_view form, std::int64_t count, CountSpacing spacing = CountSpacing::OneBlank);
    /// "form (count1)  (count2)": a form common to two texts, with its count in each.
    void addCommonForm(std::string_view form, std::int64_t count1, std::int64_t count2);
    /// One addForm(form, count, spacing) for each entry.
    void addForms(FormList forms, CountSpacing spacing = CountSpacing::OneBlank);

    const std::string& text() const& { return text_; }
    /// The text, taken out of a listing written for it.
    std::string text() && { return std::move(text_); }

private:
    void addCount(std::int64_t count);

    std::string_view lineEnd_;
    std::string text_;
};

/// A listing of forms with their counts, every line ended by CR LF.
std::string resultListing(FormList forms, CountSpacing spacing = CountSpacing::OneBlank);

} // namespace quorvelle
