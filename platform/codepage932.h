#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

// Code page 932 as the operating system converts it, where it has a converter
// of its own (Windows); elsewhere Qt's converter serves and these say so.
namespace rcl::codepage932 {

[[nodiscard]] bool systemConverts();

// The text of bytes that are all whole characters of the code page; none
// for anything else.
[[nodiscard]] std::optional<QString> decode(QByteArrayView bytes);

// The bytes of a text that the code page holds exactly; none when a
// character would need a substitute, best-fit or default.
[[nodiscard]] std::optional<QByteArray> encode(QStringView text);

} // namespace rcl::codepage932
