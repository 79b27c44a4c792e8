#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

// Code page 932 (Shift-JIS as Windows writes it), the encoding of the group
// names file and of the rune word files. The converters are made once, on the
// first text that is not ASCII: ASCII reads and writes the same in this code
// page, so a checklist with ASCII names never loads them.
namespace rcl::shiftjis {

// False where this Qt build has no converter for the code page. Then ASCII
// still reads and writes as it should, and nothing else can be stored.
[[nodiscard]] bool available();

// Bytes that are not valid in the code page read as U+001A (a byte out of
// place) or U+FFFD (an unassigned pair); a lead byte at the end is dropped.
[[nodiscard]] QString decode(QByteArrayView bytes);

// Whether the bytes are whole characters of the code page. Without a
// converter only ASCII can be told valid.
[[nodiscard]] bool isValid(QByteArrayView bytes);

// None when the code page cannot hold the text: what is stored must read back
// as what was typed. Characters that input methods outside Windows type for a
// few symbols of the code page are stored as those symbols.
[[nodiscard]] std::optional<QByteArray> encode(QStringView text);

} // namespace rcl::shiftjis
