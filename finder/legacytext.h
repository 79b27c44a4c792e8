#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace rcl {

// The rune word files are written in code page 932 (Shift-JIS); a file that
// starts with a UTF-8 byte order mark is read as UTF-8 instead.
enum class TextEncoding { ShiftJis, Utf8 };

// Detects the encoding and drops the byte order mark.
[[nodiscard]] TextEncoding takeEncoding(QByteArray &content);

// The length in bytes of the character that starts at pos, so that scanning
// never stops inside a two-byte character (a Shift-JIS trail byte can be '[',
// ']' or an ASCII letter).
[[nodiscard]] qsizetype characterLength(QByteArrayView bytes, qsizetype pos, TextEncoding encoding);

[[nodiscard]] QString decodeText(const QByteArray &bytes, TextEncoding encoding);

// The longest start of bytes that fits in maxBytes without cutting a character.
[[nodiscard]] QByteArray cutToBytes(const QByteArray &bytes, qsizetype maxBytes, TextEncoding encoding);

} // namespace rcl
