#include "fonts.h"

#include <QStringList>

namespace rcl::fonts {
namespace {

QFont withFamilies(const QStringList &families, QFont::StyleHint hint, qreal pointSize)
{
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(hint);
    font.setPointSizeF(pointSize);
    return font;
}

} // namespace

QFont terminal(qreal pointSize)
{
    static const QStringList families{
        QStringLiteral("Terminal"),  QStringLiteral("MS Gothic"),        QStringLiteral("IPAGothic"),
        QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL Gothic"),
        QStringLiteral("TakaoGothic"), QStringLiteral("monospace"),
    };
    return withFamilies(families, QFont::TypeWriter, pointSize);
}

QFont timesNewRoman(qreal pointSize)
{
    static const QStringList families{
        QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"),
        QStringLiteral("Nimbus Roman"),    QStringLiteral("DejaVu Serif"),     QStringLiteral("serif"),
    };
    return withFamilies(families, QFont::Serif, pointSize);
}

QFont windowDefault()
{
    static const QStringList families{
        QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"),
        QStringLiteral("Arimo"),         QStringLiteral("DejaVu Sans"),          QStringLiteral("sans-serif"),
    };
    return withFamilies(families, QFont::SansSerif, 8.25);
}

} // namespace rcl::fonts
