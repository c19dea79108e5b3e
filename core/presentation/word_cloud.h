// A word cloud's layout: the weightiest forms of a list, each written at a size that grows with
// its weight, placed on a spiral from the centre so that no two labels overlap.
#pragma once

#include "core/text/function_words.h"
#include "core/text/vocabulary.h"

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorvelle {

/// A form and what sizes it in a cloud: its attestations, or its specificity.
struct WeightedForm {
    std::string form; ///< code page 1252
    double weight = 0;
};

/// Forms weighed by their attestations, in the same order.
std::vector<WeightedForm> weighedByCount(std::span<const FormCount> forms);

/// The width and height of a label, in the units of the cloud's rectangles.
struct LabelExtent {
    double width = 0;
    double height = 0;
};

/// The extent of form (code page 1252) written at fontSize points. The window measures with
/// the font it draws in; the cloud's rectangles are in the units it measures in.
using LabelMeasure = std::function<LabelExtent(std::string_view form, double fontSize)>;

/// A rectangle, y growing downwards.
struct CloudRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    double right() const { return left + width; }
    double bottom() const { return top + height; }
    /// Whether the two share some area: rectangles that only touch do not.
    bool overlaps(const CloudRect& other) const;

    friend bool operator==(const CloudRect&, const CloudRect&) = default;
};

/// A form of the cloud: its weight, the size its label is written at, and where it lies.
struct CloudWord {
    std::string form;
    double weight = 0;
    double fontSize = 0; ///< whole points
    CloudRect box;

    friend bool operator==(const CloudWord&, const CloudWord&) = default;
};

struct WordCloud {
    /// The forms placed, in the order they were placed: by weight decreasing, equal weights in
    /// alphabetical order (FrenchCollator).
    std::vector<CloudWord> words;
    /// The smallest rectangle around every label; all zero without words.
    CloudRect bounds;
    /// The forms chosen that found no room within the positions tried, and are left out.
    std::size_t leftOut = 0;

    friend bool operator==(const WordCloud&, const WordCloud&) = default;
};

/// What a cloud is laid out with. The sizes grow with the square root of the weight, so that a
/// label's area, which goes with the square of its size, grows about as the weight does; the
/// smallest size keeps the least weighty form shown legible.
struct WordCloudSettings {
    std::size_t formCount = 100;         ///< the most forms shown
    double smallestFontSize = 10;        ///< points, for the least weighty form shown
    double largestFontSize = 48;         ///< points, for the weightiest
    double gap = 2;                      ///< the least room left between two labels, in the measure's units
    double spiralStep = 3;               ///< from one position tried to the next, and from one turn to the next
    double widthToHeight = 1.6;          ///< how much wider than high the spiral's turns are
    std::size_t mostPositions = 100'000; ///< the positions tried for a form before it is left out
};

/// The cloud of the formCount weightiest forms of forms with a weight above 0, but those of
/// setAside, equal weights taken in alphabetical order. Each is written at a size from
/// smallestFontSize (the least weighty chosen) to largestFontSize (the weightiest, and every
/// form when all weigh the same), linear in the square root of the weight, rounded to the
/// point. From the weightiest on, each label goes to the first position of an Archimedean
/// spiral from the centre (x = widthToHeight · r cos θ, y = r sin θ, r = spiralStep · θ / 2π,
/// positions spiralStep apart along it) where it keeps gap away from every label placed before
/// it; a label that finds none within mostPositions positions is left out. Nothing is random:
/// the same forms and measure give the same cloud.
WordCloud layOutWordCloud(std::span<const WeightedForm> forms, const FunctionWords& setAside,
                          const WordCloudSettings& settings, const LabelMeasure& measure);

} // namespace quorvelle
