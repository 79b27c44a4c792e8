#pragma once

#include <QByteArray>
#include <QList>

namespace rcl {

// Splits a text file into its lines as the program's readers take them:
// CR LF, LF alone and CR alone each end a line, and a last line without a
// line end still counts. An empty file has no lines.
[[nodiscard]] QList<QByteArray> splitLines(const QByteArray &content);

} // namespace rcl
