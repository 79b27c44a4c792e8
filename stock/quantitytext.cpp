#include "quantitytext.h"

#include <QByteArray>

#include <algorithm>
#include <limits>

namespace rcl {
namespace {

constexpr qint64 Billion = 1'000'000'000;
// Whole parts are held up to a ceiling far outside the 32-bit range, which
// keeps every sum and product below within 64 bits and every answer right.
constexpr qint64 WholeCeiling = 3'000'000'000;

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Floor division for a positive divisor.
qint64 floorDiv(qint64 a, qint64 b)
{
    return a / b - (a % b < 0 ? 1 : 0);
}

} // namespace

std::optional<DecimalNumber> DecimalNumber::parse(QByteArrayView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;

    qsizetype pos = begin;
    bool negative = false;
    if (pos < end && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    qint64 whole = 0;
    qsizetype digits = 0;
    for (; pos < end && isDigit(text[pos]); ++pos, ++digits)
        whole = std::min(WholeCeiling, whole * 10 + (text[pos] - '0'));
    qint64 fraction = 0;
    qint64 place = Billion / 10;
    bool beyond = false;
    if (pos < end && text[pos] == '.') {
        for (++pos; pos < end && isDigit(text[pos]); ++pos, ++digits) {
            if (place > 0)
                fraction += (text[pos] - '0') * place;
            else if (text[pos] != '0')
                beyond = true;
            place /= 10;
        }
    }
    if (pos != end || digits == 0)
        return std::nullopt;
    const qint64 magnitude = whole * Billion + fraction;
    return DecimalNumber(negative ? -magnitude : magnitude, beyond ? (negative ? -1 : 1) : 0);
}

std::optional<DecimalNumber> DecimalNumber::parse(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x80)
            return std::nullopt;
    }
    return parse(QByteArrayView(text.toLatin1()));
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

std::optional<qint32> parseQuantity(QByteArrayView text)
{
    const std::optional<DecimalNumber> number = DecimalNumber::parse(text);
    return number ? number->rounded() : std::nullopt;
}

QByteArray formatQuantity(qint32 quantity)
{
    QByteArray line = QByteArray::number(quantity);
    if (quantity >= 0)
        line.prepend(' ');
    line.append(' ');
    return line;
}

} // namespace rcl
