// Reading an explanation for its facts rather than its words: the numbers its steps write, in
// order, and the value it ends on, so that a reworded sentence passes and a wrong number fails.
#pragma once

#include "core/explanations/figure_explanation.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace quorvelle::test {

/// The numbers a text writes, in order and as written: "13", "2,1666…", "-0,5079". A minus
/// (hyphen or −) glued to the digits is the number's sign, written "-"; digits glued to a
/// letter belong to a symbol (N1, log10, E2) and are no number; "10 000" is two numbers.
std::vector<std::string> numbersIn(std::string_view text);
/// The numbers of every step of the explanation, in order.
std::vector<std::string> numbersIn(const FigureExplanation& explanation);

/// Passes when the steps write these numbers in this order (others may come between them)
/// and end on shown, their last number, which is also the figure the explanation shows. Give
/// a step's numbers whole: one left out may be matched by an earlier step that writes it too.
testing::AssertionResult computes(const FigureExplanation& explanation, const std::vector<std::string>& numbers,
                                  std::string_view shown);

/// Passes when the steps write these pieces of text in this order, others between them: the
/// symbols of a fact, as "P(X ≥ 10)" or "N = 0".
testing::AssertionResult writes(const FigureExplanation& explanation, const std::vector<std::string>& facts);

/// Passes when the explanation shows shown (nothing, or the measures' dash) and its steps,
/// which say why, write these facts in this order (see writes).
testing::AssertionResult leavesEmpty(const FigureExplanation& explanation, std::string_view shown,
                                     const std::vector<std::string>& facts);

} // namespace quorvelle::test
