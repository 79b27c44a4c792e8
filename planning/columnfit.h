#pragma once

#include <QList>
#include <QString>

namespace rcl {

// The widths of a table's columns within the width available: as wanted
// where they all fit; otherwise the widest give up width first, down to one
// common limit, so that short columns (marks, numbers) stay whole and long
// texts are cut. None narrower than least.
[[nodiscard]] QList<int> fitColumns(const QList<int> &wanted, int available, int least);

// Widths as the settings keep them, "120 48 300"; none for a text that is
// not count positive numbers.
[[nodiscard]] QString columnWidthsText(const QList<int> &widths);
[[nodiscard]] QList<int> columnWidthsOf(const QString &text, int count);

} // namespace rcl
