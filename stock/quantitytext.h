#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace rcl {

// A save file line as a quantity: the number rounded, halves to even; no
// value for anything else or outside the signed 32-bit range.
[[nodiscard]] std::optional<qint32> parseQuantity(QByteArrayView text);

// One save file line without its line end: a blank (or the minus sign), the
// digits, and a trailing blank. 0 is " 0 ", -3 is "-3 ".
[[nodiscard]] QByteArray formatQuantity(qint32 quantity);

// A count as the corner of a rune's picture shows it: at most four
// characters, so that it stays inside the 28-pixel picture. Counts beyond
// -999..9999, which only a hand-edited save file holds, show as "10k+" and
// "<-1k".
[[nodiscard]] QString countBadgeText(qint32 quantity);

} // namespace rcl
