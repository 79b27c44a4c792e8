#pragma once

#include <QString>

namespace rcl {

// The language of the game's texts: names, kinds and effect lines. Each has
// its own pair of rune word files with the same sections, keys and rune
// words; the Japanese pair's rune word sections name their English twin in
// an English= key.
enum class GameText { English, Japanese };

struct GameTextFiles
{
    QString runeData;
    QString runeNames;
};

[[nodiscard]] GameTextFiles gameTextFiles(GameText text);
// The settings' value: "ja" is Japanese, anything else English.
[[nodiscard]] GameText gameTextOf(const QString &setting);
[[nodiscard]] QString gameTextSetting(GameText text);

// The key of a Japanese rune word section that names its English twin.
[[nodiscard]] QString englishNameKey();

} // namespace rcl
