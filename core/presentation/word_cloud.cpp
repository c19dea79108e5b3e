// Laying out a word cloud: choosing and sizing its forms, then placing them on a spiral.
#include "core/presentation/word_cloud.h"

#include "core/text/collation.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace quorvelle {
namespace {

// The most cells a side of the grid of placed labels has.
constexpr std::size_t mostCellsASide = 1024;

// A position tried on the spiral. Once found inside a label placed, or within the gap around it,
// it is marked: no later label can be centred there either, and the next ones pass it by.
struct Position {
    double x = 0;
    double y = 0;
    bool covered = false;
};

// The count weightiest forms with a weight above 0 that are not set aside, by weight
// decreasing, equal weights in alphabetical order.
std::vector<const WeightedForm*> weightiest(std::span<const WeightedForm> forms, const FunctionWords& setAside,
                                            std::size_t count)
{
    if (count == 0)
        return {};
    std::vector<const WeightedForm*> chosen;
    for (const WeightedForm& form : forms)
        if (form.weight > 0 && !setAside.contains(form.form))
            chosen.push_back(&form);
    const auto heavier = [](const WeightedForm* left, const WeightedForm* right) {
        return left->weight > right->weight;
    };
    // Only the forms as weighty as the count-th are ordered alphabetically, not the whole list.
    if (chosen.size() > count) {
        const auto last = chosen.begin() + static_cast<std::ptrdiff_t>(count - 1);
        std::nth_element(chosen.begin(), last, chosen.end(), heavier);
        const double lightest = (*last)->weight;
        std::erase_if(chosen, [lightest](const WeightedForm* form) { return form->weight < lightest; });
    }
    std::vector<std::string_view> texts;
    texts.reserve(chosen.size());
    for (const WeightedForm* form : chosen)
        texts.emplace_back(form->form);
    std::vector<const WeightedForm*> ordered;
    ordered.reserve(chosen.size());
    for (const std::size_t place : FrenchCollator::instance().order(texts))
        ordered.push_back(chosen[place]);
    std::ranges::stable_sort(ordered, heavier);
    ordered.resize(std::min(count, ordered.size()));
    return ordered;
}

// The size of a form of weight between the lightest and the heaviest shown: linear in the square
// root of the weight, rounded to the point.
double fontSize(double weight, double lightest, double heaviest, const WordCloudSettings& settings)
{
    const double low = std::sqrt(lightest);
    const double high = std::sqrt(heaviest);
    const double share = high > low ? (std::sqrt(weight) - low) / (high - low) : 1;
    return std::round(settings.smallestFontSize + share * (settings.largestFontSize - settings.smallestFontSize));
}

// The positions tried for each label, from the centre outwards, computed as far as a label has
// needed them.
class Spiral {
public:
    explicit Spiral(const WordCloudSettings& settings)
        : settings_(settings)
    {
    }

    // Valid until a position further on is asked for.
    Position& operator[](std::size_t index)
    {
        while (positions_.size() <= index) {
            const double radius = settings_.spiralStep * angle_ / (2 * std::numbers::pi);
            positions_.push_back(
                {settings_.widthToHeight * radius * std::cos(angle_), radius * std::sin(angle_), false});
            // An arc of spiralStep, or at most a radian near the centre, where the turns are short.
            angle_ += std::min(1.0, settings_.spiralStep / std::max(radius, settings_.spiralStep));
        }
        return positions_[index];
    }

private:
    const WordCloudSettings& settings_;
    std::vector<Position> positions_;
    double angle_ = 0;
};

// The labels placed so far, each listed in the cells of a square grid that it covers, so that a
// label is only compared with those near it. A place beyond the grid counts as its nearest
// border cell: a grid smaller than the cloud makes it slower, never wrong.
class PlacedLabels {
public:
    PlacedLabels(double halfSide, double cellSize, double gap)
        : cellSize_(cellSize)
        , cellsASide_(std::clamp<std::size_t>(static_cast<std::size_t>(2 * halfSide / cellSize) + 1, 1, mostCellsASide))
        , origin_(-cellSize * static_cast<double>(cellsASide_) / 2)
        , gap_(gap)
        , cells_(cellsASide_ * cellsASide_)
    {
    }

    // A label placed that box comes within the gap of, or none when it keeps away from all.
    const CloudRect* conflictOf(const CloudRect& box) const
    {
        const CloudRect widened{box.left - gap_, box.top - gap_, box.width + 2 * gap_, box.height + 2 * gap_};
        const Cells cells = cellsOf(widened);
        for (std::size_t row = cells.firstRow; row <= cells.lastRow; ++row)
            for (std::size_t column = cells.firstColumn; column <= cells.lastColumn; ++column)
                for (const std::uint32_t label : cells_[row * cellsASide_ + column])
                    if (boxes_[label].overlaps(widened))
                        return &boxes_[label];
        return nullptr;
    }

    // Whether a label centred at position would come within the gap of placed, whatever its size.
    bool covers(const CloudRect& placed, const Position& position) const
    {
        return position.x > placed.left - gap_ && position.x < placed.right() + gap_ && position.y > placed.top - gap_
            && position.y < placed.bottom() + gap_;
    }

    void add(const CloudRect& box)
    {
        const auto label = static_cast<std::uint32_t>(boxes_.size());
        boxes_.push_back(box);
        const Cells cells = cellsOf(box);
        for (std::size_t row = cells.firstRow; row <= cells.lastRow; ++row)
            for (std::size_t column = cells.firstColumn; column <= cells.lastColumn; ++column)
                cells_[row * cellsASide_ + column].push_back(label);
    }

private:
    struct Cells {
        std::size_t firstColumn = 0;
        std::size_t lastColumn = 0;
        std::size_t firstRow = 0;
        std::size_t lastRow = 0;
    };

    std::size_t cellAt(double coordinate) const
    {
        const double cell = std::floor((coordinate - origin_) / cellSize_);
        return cell <= 0 ? 0 : std::min(static_cast<std::size_t>(cell), cellsASide_ - 1);
    }

    Cells cellsOf(const CloudRect& box) const
    {
        return {cellAt(box.left), cellAt(box.right()), cellAt(box.top), cellAt(box.bottom())};
    }

    double cellSize_;
    std::size_t cellsASide_;
    double origin_;
    double gap_;
    std::vector<CloudRect> boxes_;
    std::vector<std::vector<std::uint32_t>> cells_;
};

CloudRect boundsOf(const std::vector<CloudWord>& words)
{
    if (words.empty())
        return {};
    double left = words.front().box.left;
    double top = words.front().box.top;
    double right = words.front().box.right();
    double bottom = words.front().box.bottom();
    for (const CloudWord& word : words) {
        left = std::min(left, word.box.left);
        top = std::min(top, word.box.top);
        right = std::max(right, word.box.right());
        bottom = std::max(bottom, word.box.bottom());
    }
    return {left, top, right - left, bottom - top};
}

} // namespace

std::vector<WeightedForm> weighedByCount(std::span<const FormCount> forms)
{
    std::vector<WeightedForm> weighed;
    weighed.reserve(forms.size());
    for (const FormCount& form : forms)
        weighed.push_back({form.form, static_cast<double>(form.count)});
    return weighed;
}

bool CloudRect::overlaps(const CloudRect& other) const
{
    return left < other.right() && other.left < right() && top < other.bottom() && other.top < bottom();
}

WordCloud layOutWordCloud(std::span<const WeightedForm> forms, const FunctionWords& setAside,
                          const WordCloudSettings& settings, const LabelMeasure& measure)
{
    const std::vector<const WeightedForm*> chosen = weightiest(forms, setAside, settings.formCount);
    WordCloud cloud;
    if (chosen.empty())
        return cloud;

    std::vector<CloudWord> sized;
    sized.reserve(chosen.size());
    double area = 0;
    double smallestHeight = 0;
    for (const WeightedForm* form : chosen) {
        const double size = fontSize(form->weight, chosen.back()->weight, chosen.front()->weight, settings);
        const LabelExtent extent = measure(form->form, size);
        sized.push_back({form->form, form->weight, size, {0, 0, extent.width, extent.height}});
        area += (extent.width + settings.gap) * (extent.height + settings.gap);
        smallestHeight = extent.height;
    }

    // A grid about as large as the cloud, in cells as high as the smallest label.
    PlacedLabels placed(settings.widthToHeight * std::sqrt(area), std::max(smallestHeight + settings.gap, 1.0),
                        settings.gap);
    Spiral spiral(settings);
    for (CloudWord& word : sized) {
        bool isPlaced = false;
        for (std::size_t index = 0; index < settings.mostPositions && !isPlaced; ++index) {
            Position& at = spiral[index];
            if (at.covered)
                continue;
            word.box.left = at.x - word.box.width / 2;
            word.box.top = at.y - word.box.height / 2;
            const CloudRect* conflict = placed.conflictOf(word.box);
            isPlaced = !conflict;
            at.covered = conflict && placed.covers(*conflict, at);
        }
        if (isPlaced) {
            placed.add(word.box);
            cloud.words.push_back(std::move(word));
        } else {
            ++cloud.leftOut;
        }
    }
    cloud.bounds = boundsOf(cloud.words);
    return cloud;
}

} // namespace quorvelle
