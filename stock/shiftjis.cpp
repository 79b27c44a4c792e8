#include "shiftjis.h"

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

} // namespace

bool available()
{
    return decoder().isValid() && encoder().isValid();
}

QString decode(QByteArrayView bytes)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
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
    QByteArray bytes = encoder().encode(mapped);
    // The converter puts a substitute for what it cannot hold; reading the
    // bytes back tells, whatever the converter's error flag says.
    if (decoder().decode(bytes) != mapped)
        return std::nullopt;
    return bytes;
}

} // namespace rcl::shiftjis
