#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace rcl {

// The rune word files are written in code page 932 (Shift-JIS). A file that
// starts with a UTF-8 byte order mark is read as UTF-8, and one saved as
// "Unicode" (UTF-16, little-endian, with its byte order mark) as that.
enum class TextEncoding { ShiftJis, Utf8 };

// Detects the encoding and drops the byte order mark. UTF-16 is turned into
// UTF-8 here, so that every reader after this works on bytes.
[[nodiscard]] TextEncoding takeEncoding(QByteArray &content);

// The length in bytes of the character that starts at pos, so that scanning
// never stops inside a two-byte character (a Shift-JIS trail byte can be '[',
// ']' or an ASCII letter).
[[nodiscard]] qsizetype characterLength(QByteArrayView bytes, qsizetype pos, TextEncoding encoding);

[[nodiscard]] QString decodeText(QByteArrayView bytes, TextEncoding encoding);
// Whether every byte belongs to a whole, valid character of the encoding.
[[nodiscard]] bool isValidText(QByteArrayView bytes, TextEncoding encoding);

// The longest start of bytes that fits in maxBytes without cutting a character.
[[nodiscard]] QByteArrayView cutToBytes(QByteArrayView bytes, qsizetype maxBytes, TextEncoding encoding);

} // namespace rcl
