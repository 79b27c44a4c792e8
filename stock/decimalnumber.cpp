#include "stock/decimalnumber.h"

#include <QByteArray>

#include <algorithm>
#include <limits>

namespace rcl {
namespace {

constexpr qint64 Billion = 1'000'000'000;
constexpr int KeptDecimals = 9;
// Whole parts are held up to a ceiling far outside the 32-bit range, which
// keeps every sum and product below within 64 bits and every answer right.
constexpr qint64 WholeCeiling = 3'000'000'000;
// Exponents beyond this put every digit past the ceiling or past the kept
// decimals; clamping them keeps the arithmetic small.
constexpr qint64 ExponentLimit = 1'000'000;

bool isNumberBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Floor division for a positive divisor.
qint64 floorDiv(qint64 a, qint64 b)
{
    return a / b - (a % b < 0 ? 1 : 0);
}

// "&H..." or "&O...": up to 32 bits a signed 32-bit pattern, beyond them a
// number too large for any count.
std::optional<qint64> parseRadix(QByteArrayView text)
{
    if (text.size() < 3 || text[0] != '&')
        return std::nullopt;
    const char kind = text[1];
    const int base = kind == 'H' || kind == 'h' ? 16 : kind == 'O' || kind == 'o' ? 8 : 0;
    if (base == 0)
        return std::nullopt;
    qsizetype end = text.size();
    if (text[end - 1] == '&')
        --end;
    if (end <= 2)
        return std::nullopt;
    quint64 value = 0;
    for (qsizetype pos = 2; pos < end; ++pos) {
        const int digit = hexValue(text[pos]);
        if (digit < 0 || digit >= base)
            return std::nullopt;
        value = std::min<quint64>(value * quint64(base) + quint64(digit), quint64(1) << 33);
    }
    if (value > std::numeric_limits<quint32>::max())
        return WholeCeiling;
    return qint64(qint32(quint32(value)));
}

} // namespace

std::optional<DecimalNumber> DecimalNumber::parse(QByteArrayView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isNumberBlank(text[begin]))
        ++begin;
    while (end > begin && isNumberBlank(text[end - 1]))
        --end;
    text = text.sliced(begin, end - begin);
    if (const std::optional<qint64> whole = parseRadix(text))
        return DecimalNumber(*whole * Billion, 0);

    qsizetype pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    // The mantissa's digits, and where its point stands among them.
    const qsizetype digitsBegin = pos;
    qsizetype pointAt = -1;
    for (; pos < text.size() && (isDigit(text[pos]) || (text[pos] == '.' && pointAt < 0)); ++pos) {
        if (text[pos] == '.')
            pointAt = pos;
    }
    const qsizetype digitsEnd = pos;
    const qsizetype digitCount = digitsEnd - digitsBegin - (pointAt < 0 ? 0 : 1);
    if (digitCount == 0)
        return std::nullopt;
    qint64 exponent = 0;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        bool negativeExponent = false;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            negativeExponent = text[pos] == '-';
            ++pos;
        }
        const qsizetype exponentBegin = pos;
        for (; pos < text.size() && isDigit(text[pos]); ++pos)
            exponent = std::min(ExponentLimit, exponent * 10 + (text[pos] - '0'));
        if (pos == exponentBegin)
            return std::nullopt;
        if (negativeExponent)
            exponent = -exponent;
    }
    if (pos != text.size())
        return std::nullopt;

    // Digit k of the mantissa (from 0) stands at decimal place wholeDigits - 1 - k
    // once the exponent has moved the point.
    const qint64 wholeDigits = (pointAt < 0 ? digitCount : pointAt - digitsBegin) + exponent;
    qint64 whole = 0;
    qint64 fraction = 0;
    bool beyond = false;
    qint64 k = 0;
    for (qsizetype i = digitsBegin; i < digitsEnd; ++i) {
        if (i == pointAt)
            continue;
        const int digit = text[i] - '0';
        if (k < wholeDigits) {
            whole = std::min(WholeCeiling, whole * 10 + digit);
        } else if (const qint64 place = k - wholeDigits; place < KeptDecimals) {
            qint64 scale = 1;
            for (qint64 p = place + 1; p < KeptDecimals; ++p)
                scale *= 10;
            fraction += digit * scale;
        } else if (digit != 0) {
            beyond = true;
        }
        ++k;
    }
    for (; k < wholeDigits && whole != 0 && whole < WholeCeiling; ++k)
        whole = std::min(WholeCeiling, whole * 10);
    const qint64 magnitude = whole * Billion + fraction;
    return DecimalNumber(negative ? -magnitude : magnitude, beyond ? (negative ? -1 : 1) : 0);
}

std::optional<DecimalNumber> DecimalNumber::parse(QStringView text)
{
    QByteArray ascii;
    ascii.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() >= 0x80)
            return std::nullopt;
        ascii.append(char(c.unicode()));
    }
    return parse(QByteArrayView(ascii));
}

DecimalNumber DecimalNumber::plus(qint32 whole) const
{
    return DecimalNumber(m_billionths + whole * Billion, m_beyond);
}

DecimalNumber DecimalNumber::times(qint32 factor) const
{
    return DecimalNumber(m_billionths * factor, factor == 0 ? 0 : (factor > 0 ? m_beyond : -m_beyond));
}

int DecimalNumber::compare(qint32 whole) const
{
    const qint64 difference = m_billionths - whole * Billion;
    if (difference != 0)
        return difference < 0 ? -1 : 1;
    return m_beyond;
}

std::optional<qint32> DecimalNumber::rounded() const
{
    qint64 result = floorDiv(m_billionths, Billion);
    const qint64 remainder = m_billionths - result * Billion;
    constexpr qint64 Half = Billion / 2;
    // The digits past the ninth decimal only matter where the kept digits
    // stand exactly on a half or on a whole number.
    bool up = remainder > Half;
    if (remainder == Half)
        up = m_beyond > 0 || (m_beyond == 0 && result % 2 != 0);
    if (remainder == 0 && m_beyond < 0)
        up = false;
    if (up)
        ++result;
    if (result < std::numeric_limits<qint32>::min() || result > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(result);
}

} // namespace rcl
