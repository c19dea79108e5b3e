// The monkey's only source of chance: the same seed gives the same throws.
#pragma once

#include <cstddef>
#include <cstdint>
#include <random>

namespace quorvelle::monkey {

class Dice {
public:
    explicit Dice(std::uint64_t seed)
        : engine_(seed)
    {
    }

    /// A number in [0, count); 0 when count is 0.
    std::size_t below(std::size_t count) { return count == 0 ? 0 : static_cast<std::size_t>(engine_() % count); }

    /// True with the given chance out of a hundred.
    bool percent(int chance) { return below(100) < static_cast<std::size_t>(chance); }

    /// One element of a non-empty list.
    template <class List>
    auto& pick(List& list)
    {
        return list[static_cast<decltype(list.size())>(below(static_cast<std::size_t>(list.size())))];
    }

    /// A number in [0, 1).
    double fraction() { return static_cast<double>(below(1000)) / 1000.0; }

private:
    std::mt19937_64 engine_;
};

} // namespace quorvelle::monkey
