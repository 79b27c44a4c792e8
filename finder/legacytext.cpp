#include "legacytext.h"

#include <QStringDecoder>

#include <algorithm>

namespace rcl {
namespace {

bool isAscii(const QByteArray &bytes)
{
    return std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return uchar(c) < 0x80; });
}

} // namespace

TextEncoding takeEncoding(QByteArray &content)
{
    if (content.startsWith("\xEF\xBB\xBF")) {
        content.remove(0, 3);
        return TextEncoding::Utf8;
    }
    return TextEncoding::ShiftJis;
}

qsizetype characterLength(QByteArrayView bytes, qsizetype pos, TextEncoding encoding)
{
    const uchar lead = uchar(bytes[pos]);
    qsizetype length = 1;
    if (encoding == TextEncoding::ShiftJis) {
        if ((lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC))
            length = 2;
    } else if (lead >= 0xF0) {
        length = 4;
    } else if (lead >= 0xE0) {
        length = 3;
    } else if (lead >= 0xC0) {
        length = 2;
    }
    return std::min(length, bytes.size() - pos);
}

QString decodeText(const QByteArray &bytes, TextEncoding encoding)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    if (encoding == TextEncoding::Utf8)
        return QString::fromUtf8(bytes);
    QStringDecoder decoder("windows-31j");
    return decoder.isValid() ? decoder.decode(bytes) : QString::fromLatin1(bytes);
}

QByteArray cutToBytes(const QByteArray &bytes, qsizetype maxBytes, TextEncoding encoding)
{
    if (bytes.size() <= maxBytes)
        return bytes;
    qsizetype end = 0;
    while (end < bytes.size()) {
        const qsizetype next = end + characterLength(bytes, end, encoding);
        if (next > maxBytes)
            break;
        end = next;
    }
    return bytes.left(end);
}

} // namespace rcl
