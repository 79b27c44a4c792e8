#include "mainwindow/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace rcl::fonts {
namespace {

// Bitmap fonts ("MS Sans Serif" and "Terminal" on Windows and under Wine)
// come in a few sizes only and lose letters at others (a capital I at
// 8.25 points): the next family in the list stands in for them.
QStringList scalable(const QStringList &families)
{
    QStringList kept;
    for (const QString &family : families) {
        if (!QFontDatabase::hasFamily(family) || QFontDatabase::isSmoothlyScalable(family))
            kept.append(family);
    }
    return kept;
}

QFont withFamilies(const QStringList &families, QFont::StyleHint hint, qreal pointSize)
{
    QFont font;
    font.setFamilies(scalable(families));
    font.setStyleHint(hint);
    font.setPointSizeF(pointSize);
    return font;
}

} // namespace

QFont terminal(qreal pointSize)
{
    static const QStringList families{
        QStringLiteral("Terminal"),  QStringLiteral("MS Gothic"),        QStringLiteral("Yu Gothic"),
        QStringLiteral("Meiryo"),    QStringLiteral("IPAGothic"),
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
        QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Tahoma"),
        QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("DejaVu Sans"), QStringLiteral("sans-serif"),
    };
    return withFamilies(families, QFont::SansSerif, 8.25);
}

QFont runeLabel()
{
#ifdef Q_OS_WIN
    // Windows draws Liberation Sans at this size without its capital I ("Ith",
    // "Io" and "Ist" lost a letter under Wine, which has neither of the two
    // fonts before it), so there DejaVu Sans comes first.
    static const QStringList families{
        QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Tahoma"),
        QStringLiteral("DejaVu Sans"),   QStringLiteral("Liberation Sans"),      QStringLiteral("sans-serif"),
    };
    return withFamilies(families, QFont::SansSerif, 8.25);
#else
    return windowDefault();
#endif
}

} // namespace rcl::fonts
