#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <string_view>

namespace rcl {

// One rune as the info panel shows it. The effect lines are kept exactly as
// printed, leading blanks and trailing commas or blanks included.
struct RuneEntry
{
    std::string_view name;
    qint16 requiredLevel;
    std::array<std::string_view, 4> effectLines;
    int effectLineCount;
};

// The 33 runes in the order used everywhere in the program: index 0 is El,
// index 32 is Zod. Rune number n in the rune word data is index n - 1.
class RuneCatalogue final
{
public:
    static constexpr int Count = 33;

    [[nodiscard]] static const RuneEntry &entry(int index);
    [[nodiscard]] static QString name(int index);
    [[nodiscard]] static int requiredLevel(int index);
    [[nodiscard]] static QStringList effectLines(int index);
};

} // namespace rcl
