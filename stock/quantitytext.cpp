#include "quantitytext.h"

#include <QByteArray>

namespace rcl {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<qint32> parseQuantity(QByteArrayView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    if (begin == end)
        return std::nullopt;

    qsizetype pos = begin;
    bool negative = false;
    if (text[pos] == '+' || text[pos] == '-') {
        negative = text[pos] == '-';
        ++pos;
    }

    // The whole part is accumulated with a ceiling far above the 32-bit range,
    // so a long run of digits cannot overflow and is still rejected below.
    constexpr qint64 Ceiling = qint64(1) << 40;
    qint64 whole = 0;
    qsizetype wholeDigits = 0;
    for (; pos < end && isDigit(text[pos]); ++pos, ++wholeDigits)
        whole = std::min(Ceiling, whole * 10 + (text[pos] - '0'));

    // The fraction only matters through its first digit and whether anything
    // non-zero follows: that is enough to round halves to even exactly.
    int firstFractionDigit = 0;
    bool restNonZero = false;
    qsizetype fractionDigits = 0;
    if (pos < end && text[pos] == '.') {
        ++pos;
        for (; pos < end && isDigit(text[pos]); ++pos, ++fractionDigits) {
            const int digit = text[pos] - '0';
            if (fractionDigits == 0)
                firstFractionDigit = digit;
            else if (digit != 0)
                restNonZero = true;
        }
    }
    if (pos != end || wholeDigits + fractionDigits == 0)
        return std::nullopt;

    if (firstFractionDigit > 5 || (firstFractionDigit == 5 && (restNonZero || whole % 2 == 1)))
        ++whole;
    const qint64 value = negative ? -whole : whole;
    if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(value);
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
