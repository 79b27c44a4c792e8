#pragma once

#include "runecatalogue.h"

#include <QtGlobal>

#include <array>

namespace rcl {

// The quantities of the 33 runes owned in the current group, in catalogue
// order. Indexes outside 0..32 are ignored on writing and read as 0.
class RuneStock final
{
public:
    [[nodiscard]] static constexpr bool isIndex(int index) { return index >= 0 && index < RuneCatalogue::Count; }

    [[nodiscard]] qint32 at(int index) const { return isIndex(index) ? m_quantities[std::size_t(index)] : 0; }
    void set(int index, qint32 quantity)
    {
        if (isIndex(index))
            m_quantities[std::size_t(index)] = quantity;
    }
    void clear() { m_quantities.fill(0); }

    friend bool operator==(const RuneStock &, const RuneStock &) = default;

private:
    std::array<qint32, RuneCatalogue::Count> m_quantities{};
};

} // namespace rcl
