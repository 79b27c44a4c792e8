#pragma once

#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace rcl {

// A number read from a text file the way the files' readers take numbers:
// blanks around it ignored, an optional sign, digits with an optional
// fraction, nothing else. It is kept exactly (in billionths, with a note of
// any further non-zero digits), so that halves round to the even neighbour
// after the reader's own arithmetic.
class DecimalNumber final
{
public:
    [[nodiscard]] static std::optional<DecimalNumber> parse(QByteArrayView text);
    [[nodiscard]] static std::optional<DecimalNumber> parse(const QString &text);

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

// A save file line as a quantity: the number rounded, halves to even; no
// value for anything else or outside the signed 32-bit range.
[[nodiscard]] std::optional<qint32> parseQuantity(QByteArrayView text);

// One save file line without its line end: a blank (or the minus sign), the
// digits, and a trailing blank. 0 is " 0 ", -3 is "-3 ".
[[nodiscard]] QByteArray formatQuantity(qint32 quantity);

} // namespace rcl
