#pragma once

#include <QByteArray>
#include <QStringList>

namespace rcl {

// The rune word names of runename.dat, in file order: one name per line,
// blanks around a name kept, blank lines skipped. A missing file has none.
// At most MaxNames names are read, from the first MaxNamesFileBytes.
inline constexpr qsizetype MaxNames = 100'000;
inline constexpr qint64 MaxNamesFileBytes = qint64(32) << 20;
[[nodiscard]] QStringList parseRuneNames(QByteArray content);
[[nodiscard]] QStringList ReadRuneNames(const QString &path);

} // namespace rcl
