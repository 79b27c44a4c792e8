#pragma once

#include <QByteArray>
#include <QList>
#include <QVariant>

namespace rcl {

// A table as a spreadsheet reads it: UTF-8 with a byte order mark, CR LF
// line ends, fields quoted where RFC 4180 needs it. A cell holding a number
// is written as the number; any other is text, and a text that a
// spreadsheet would run as a formula (one starting with =, +, -, @, a tab or
// a carriage return) gets an apostrophe before it. An empty cell is an empty
// field.
[[nodiscard]] QByteArray csvTable(const QList<QVariantList> &rows);

} // namespace rcl
