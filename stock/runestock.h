#pragma once

#include "stock/runecatalogue.h"

#include <QtGlobal>

#include <algorithm>
#include <array>
#include <limits>

namespace rcl {

// The quantities of the 33 runes owned in the current group, in catalogue
// order. Indexes outside 0..32 are ignored on writing and read as 0.
class RuneStock final
{
public:
    [[nodiscard]] static constexpr bool isIndex(int index) { return index >= 0 && index < RuneCatalogue::Count; }

    [[nodiscard]] qint32 at(int index) const { return isIndex(index) ? m_quantities[std::size_t(index)] : 0; }
    // What the group can spend: a count of 0 or less holds none.
    [[nodiscard]] qint32 held(int index) const { return std::max(0, at(index)); }
    void set(int index, qint32 quantity)
    {
        if (isIndex(index))
            m_quantities[std::size_t(index)] = quantity;
    }
    void clear() { m_quantities.fill(0); }

    // One more; a count at the largest 32-bit value stays there.
    void addOne(int index)
    {
        if (at(index) < std::numeric_limits<qint32>::max())
            set(index, at(index) + 1);
    }
    // One less, never below 0; a negative count read from a file stays.
    void takeOneOff(int index)
    {
        if (at(index) >= 1)
            set(index, at(index) - 1);
    }

    friend bool operator==(const RuneStock &, const RuneStock &) = default;

private:
    std::array<qint32, RuneCatalogue::Count> m_quantities{};
};

} // namespace rcl
