#pragma once

#include <QByteArrayView>
#include <QtGlobal>

#include <optional>

namespace rcl {

// Reads one line of a save file as a quantity: blanks around the number are
// ignored, a fraction is rounded to the nearest whole number with halves going
// to the even neighbour. Anything else (empty, letters, outside the signed
// 32-bit range) gives no value.
[[nodiscard]] std::optional<qint32> parseQuantity(QByteArrayView text);

// One save file line without its line end: a blank (or the minus sign), the
// digits, and a trailing blank. 0 is " 0 ", -3 is "-3 ".
[[nodiscard]] QByteArray formatQuantity(qint32 quantity);

} // namespace rcl
