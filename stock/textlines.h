#pragma once

#include <QByteArrayView>
#include <QList>

namespace rcl {

// Splits a text file into its lines as the program's readers take them:
// CR LF, LF alone and CR alone each end a line, and a last line without a
// line end still counts. An empty file has no lines. The lines are views
// into content, which must outlive them.
[[nodiscard]] QList<QByteArrayView> splitLines(QByteArrayView content);

} // namespace rcl
