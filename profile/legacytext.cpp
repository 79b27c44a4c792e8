#include "profile/legacytext.h"

#include "stock/shiftjis.h"

#include <QStringDecoder>
#include <QUtf8StringView>

#include <algorithm>

namespace rcl {

TextEncoding takeEncoding(QByteArray &content)
{
    if (content.startsWith("\xEF\xBB\xBF")) {
        content.remove(0, 3);
        return TextEncoding::Utf8;
    }
    if (content.startsWith("\xFF\xFE")) {
        QStringDecoder utf16(QStringConverter::Utf16LE);
        content = QString(utf16.decode(QByteArrayView(content).sliced(2))).toUtf8();
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

QString decodeText(QByteArrayView bytes, TextEncoding encoding)
{
    if (encoding == TextEncoding::Utf8)
        return QString::fromUtf8(bytes);
    return shiftjis::decode(bytes);
}

bool isValidText(QByteArrayView bytes, TextEncoding encoding)
{
    if (encoding == TextEncoding::Utf8)
        return QUtf8StringView(bytes).isValidUtf8();
    return shiftjis::isValid(bytes);
}

QByteArrayView cutToBytes(QByteArrayView bytes, qsizetype maxBytes, TextEncoding encoding)
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
    return bytes.first(end);
}

} // namespace rcl
