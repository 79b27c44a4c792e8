#pragma once

#include <QByteArrayView>
#include <QStringView>
#include <QtGlobal>

#include <optional>

namespace rcl {

// A number written in a text file, taken the way the files' numbers were
// always read:
// - blanks (spaces and tabs) around it are ignored;
// - decimal: an optional sign, digits with an optional fraction and an
//   optional exponent ("+7", "2.5", "1E3", "1.5e1");
// - hexadecimal "&H1F" and octal "&O17", with an optional trailing '&'; up to
//   32 bits they are a signed 32-bit pattern, so "&HFFFFFFFF" is -1;
// - nothing else.
// It is kept exactly (in billionths, with a note of any further non-zero
// digits), so that halves round to the even neighbour after the reader's own
// arithmetic.
class DecimalNumber final
{
public:
    [[nodiscard]] static std::optional<DecimalNumber> parse(QByteArrayView text);
    [[nodiscard]] static std::optional<DecimalNumber> parse(QStringView text);

    [[nodiscard]] DecimalNumber plus(qint32 whole) const;
    [[nodiscard]] DecimalNumber times(qint32 factor) const;
    // Less than, equal to or greater than whole: -1, 0 or 1.
    [[nodiscard]] int compare(qint32 whole) const;
    // The nearest whole number, halves to even; none outside 32 bits.
    [[nodiscard]] std::optional<qint32> rounded() const;

private:
    DecimalNumber(qint64 billionths, int beyond) : m_billionths(billionths), m_beyond(beyond) {}

    qint64 m_billionths;
    // The sign of the digits past the ninth decimal, 0 when there are none.
    int m_beyond;
};

} // namespace rcl
