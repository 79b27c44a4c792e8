#pragma once

#include <QByteArrayView>
#include <QList>
#include <QStringView>

namespace rcl {

// Splits a text into its lines as the program's readers take them: CR LF,
// LF alone and CR alone each end a line, and a last line without a line end
// still counts. An empty text has no lines. The lines are views into the
// text, which must outlive them.
[[nodiscard]] QList<QByteArrayView> splitLines(QByteArrayView content);
[[nodiscard]] QList<QStringView> splitLines(QStringView content);

} // namespace rcl
