// The columns of a report's table: each says its heading, the kind of its cells and how a
// cell is read from a row, so that a window, an export and quorvelle-cli write the same table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <type_traits>
#include <variant>

namespace quorvelle {

/// What a cell holds, which says how it is written and aligned.
enum class CellKind {
    Text, ///< a form, a letter or a punctuation, in code page 1252; aligned left
    /// A text that leads up to the next column (the context before a form); aligned right.
    LeadingText,
    Count,  ///< a whole number; aligned right
    /// A value the report has already rounded, written with the decimal separator; aligned
    /// right. An empty text where the report cannot define it (a text without forms).
    Number,
};

/// A cell of a table, as its kind says.
using Cell = std::variant<std::string_view, std::int64_t, double>;

/// One column of a table over rows of type Row. A cell is read from the row and its place
/// among the report's rows (0 for the first), for tables that number their rows.
template <class Row>
struct Column {
    std::string_view heading; ///< French, UTF-8
    CellKind kind;
    Cell (*cell)(const Row& row, std::size_t place);
};

/// A table: its title and its columns.
template <class Row>
struct TableColumns {
    std::string_view title; ///< French, UTF-8
    std::span<const Column<Row>> columns;
};

namespace detail {

template <class>
struct MemberOf;

template <class Class, class Type>
struct MemberOf<Type Class::*> {
    using Row = Class;
    using Value = Type;
};

} // namespace detail

/// The column of a data member: a char is a one-letter text, a std::string a text, an integer
/// a count and a double a number.
template <auto member>
constexpr Column<typename detail::MemberOf<decltype(member)>::Row> memberColumn(std::string_view heading)
{
    using Row = typename detail::MemberOf<decltype(member)>::Row;
    using Value = typename detail::MemberOf<decltype(member)>::Value;
    if constexpr (std::is_same_v<Value, char>)
        return {heading, CellKind::Text,
                [](const Row& row, std::size_t) -> Cell { return std::string_view(&(row.*member), 1); }};
    else if constexpr (std::is_same_v<Value, double>)
        return {heading, CellKind::Number, [](const Row& row, std::size_t) -> Cell { return row.*member; }};
    else if constexpr (std::is_integral_v<Value>)
        return {heading, CellKind::Count,
                [](const Row& row, std::size_t) -> Cell { return static_cast<std::int64_t>(row.*member); }};
    else
        return {heading, CellKind::Text,
                [](const Row& row, std::size_t) -> Cell { return std::string_view(row.*member); }};
}

} // namespace quorvelle
