#pragma once

#include <QByteArray>
#include <QStringList>

namespace rcl {

// The rune word names of runename.dat, in file order: one name per line,
// blanks around a name kept, blank lines skipped. A missing file has none.
[[nodiscard]] QStringList parseRuneNames(QByteArray content);
[[nodiscard]] QStringList ReadRuneNames(const QString &path);

} // namespace rcl
