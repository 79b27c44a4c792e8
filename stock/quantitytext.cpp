#include "stock/quantitytext.h"

#include "stock/decimalnumber.h"

namespace rcl {

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

QString countBadgeText(qint32 quantity)
{
    if (quantity > 9999)
        return QStringLiteral("10k+");
    if (quantity < -999)
        return QStringLiteral("<-1k");
    return QString::number(quantity);
}

} // namespace rcl
