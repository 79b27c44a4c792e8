#include "stock/shiftjis.h"

#include "platform/codepage932.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <array>
#include <utility>

namespace rcl::shiftjis {
namespace {

constexpr auto Name = "windows-31j";
constexpr auto Stateless = QStringConverter::Flag::Stateless;

bool isAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; });
}

bool isAscii(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

QStringDecoder &decoder()
{
    static QStringDecoder converter(Name, Stateless);
    return converter;
}

QStringEncoder &encoder()
{
    static QStringEncoder converter(Name, Stateless);
    return converter;
}

// The same symbols as the code page maps them, from the code points that
// other platforms' input methods produce: the wave dash, minus sign, double
// vertical line, cent, pound, not sign and em dash.
constexpr std::array<std::pair<char16_t, char16_t>, 7> OtherMappings{{
    {u'\u301C', u'\uFF5E'},
    {u'\u2212', u'\uFF0D'},
    {u'\u2016', u'\u2225'},
    {u'\u00A2', u'\uFFE0'},
    {u'\u00A3', u'\uFFE1'},
    {u'\u00AC', u'\uFFE2'},
    {u'\u2014', u'\u2015'},
}};

QString withCodePageMappings(QStringView text)
{
    QString mapped = text.toString();
    for (QChar &c : mapped) {
        for (const auto &[other, codePage] : OtherMappings) {
            if (c.unicode() == other)
                c = QChar(codePage);
        }
    }
    return mapped;
}

// Where the system converts the code page (Windows, whose Qt has no
// converter for it), bytes that are no character read as they do through
// Qt's converter elsewhere: a byte that cannot start a character, or a lead
// byte whose next byte cannot follow it, as U+001A (the lead byte alone: the
// next one is read on its own); a lead and trail byte pair that the code page
// leaves unassigned as U+FFFD; a lead byte at the very end not at all.
constexpr QChar Substitute(0x1A);

bool isLead(uchar byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool isTrail(uchar byte)
{
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

bool isHalfWidth(uchar byte)
{
    return byte >= 0xA1 && byte <= 0xDF;
}

// Whether every byte is where the code page allows it; the system's table
// then says whether each pair is assigned.
bool isWellFormed(QByteArrayView bytes)
{
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar byte = uchar(bytes[i]);
        if (byte < 0x80 || isHalfWidth(byte))
            continue;
        if (!isLead(byte) || i + 1 == bytes.size() || !isTrail(uchar(bytes[i + 1])))
            return false;
        ++i;
    }
    return true;
}

QString decodeThroughSystem(QByteArrayView bytes)
{
    if (isWellFormed(bytes)) {
        if (std::optional<QString> text = codepage932::decode(bytes))
            return *std::move(text);
    }
    QString text;
    text.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar byte = uchar(bytes[i]);
        if (byte < 0x80) {
            text.append(QChar(byte));
        } else if (isHalfWidth(byte)) {
            text.append(QChar(0xFF61 + (byte - 0xA1)));
        } else if (isLead(byte) && i + 1 == bytes.size()) {
            break;
        } else if (isLead(byte) && isTrail(uchar(bytes[i + 1]))) {
            const std::optional<QString> pair = codepage932::decode(bytes.sliced(i, 2));
            text.append(pair ? *pair : QString(QChar::ReplacementCharacter));
            ++i;
        } else {
            text.append(Substitute);
        }
    }
    return text;
}

} // namespace

bool available()
{
    return codepage932::systemConverts() || (decoder().isValid() && encoder().isValid());
}

QString decode(QByteArrayView bytes)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    if (codepage932::systemConverts())
        return decodeThroughSystem(bytes);
    if (!decoder().isValid()) {
        QString text;
        for (const char c : bytes)
            text.append(uchar(c) < 0x80 ? QChar(uchar(c)) : QChar(QChar::ReplacementCharacter));
        return text;
    }
    return decoder().decode(bytes);
}

bool isValid(QByteArrayView bytes)
{
    if (isAscii(bytes))
        return true;
    if (codepage932::systemConverts())
        return isWellFormed(bytes) && codepage932::decode(bytes).has_value();
    // A converter of its own: the shared one keeps no error state to ask.
    QStringDecoder checker(Name, Stateless);
    if (!checker.isValid())
        return false;
    [[maybe_unused]] const QString decoded = checker.decode(bytes);
    return !checker.hasError();
}

std::optional<QByteArray> encode(QStringView text)
{
    if (isAscii(text))
        return text.toLatin1();
    if (!available())
        return std::nullopt;
    const QString mapped = withCodePageMappings(text);
    QByteArray bytes;
    if (codepage932::systemConverts()) {
        std::optional<QByteArray> encoded = codepage932::encode(mapped);
        if (!encoded)
            return std::nullopt;
        bytes = *std::move(encoded);
    } else {
        bytes = encoder().encode(mapped);
    }
    // The converter puts a substitute for what it cannot hold; reading the
    // bytes back tells, whatever the converter's error flag says.
    if (decode(bytes) != mapped)
        return std::nullopt;
    return bytes;
}

} // namespace rcl::shiftjis
