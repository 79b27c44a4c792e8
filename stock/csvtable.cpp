#include "stock/csvtable.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace rcl {
namespace {

bool isNumber(const QVariant &cell)
{
    switch (cell.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
        return true;
    default:
        return false;
    }
}

QString field(const QVariant &cell)
{
    if (isNumber(cell))
        return cell.toString();
    QString text = cell.toString();
    if (!text.isEmpty() && QStringView(u"=+-@\t\r").contains(text.front()))
        text.prepend(u'\'');
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\r') && !text.contains(u'\n'))
        return text;
    return u'"' + text.replace(u"\""_s, u"\"\""_s) + u'"';
}

} // namespace

QByteArray csvTable(const QList<QVariantList> &rows)
{
    QByteArray csv = "\xEF\xBB\xBF";
    for (const QVariantList &row : rows) {
        QStringList fields;
        fields.reserve(row.size());
        for (const QVariant &cell : row)
            fields.append(field(cell));
        csv += fields.join(u',').toUtf8() + "\r\n";
    }
    return csv;
}

} // namespace rcl
