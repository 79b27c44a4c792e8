#include "interactionmode.h"

namespace rcl {

InteractionMode parseInteractionMode(const QString &setting)
{
    const QString text = setting.trimmed();
    qsizetype pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) {
        negative = text[pos] == u'-';
        ++pos;
    }
    // The digits without leading zeros in the whole part and without
    // trailing zeros in the fraction tell 0 and 1 exactly.
    QString whole;
    QString fraction;
    qsizetype digits = 0;
    for (; pos < text.size() && text[pos].isDigit() && text[pos].unicode() < 128; ++pos, ++digits) {
        if (!whole.isEmpty() || text[pos] != u'0')
            whole.append(text[pos]);
    }
    if (pos < text.size() && text[pos] == u'.') {
        for (++pos; pos < text.size() && text[pos].isDigit() && text[pos].unicode() < 128; ++pos, ++digits)
            fraction.append(text[pos]);
    }
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    if (pos != text.size() || digits == 0)
        return InteractionMode::Hover;
    if (whole.isEmpty() && fraction.isEmpty())
        return InteractionMode::Hover;
    if (!negative && whole == QStringLiteral("1") && fraction.isEmpty())
        return InteractionMode::Click;
    return InteractionMode::SelectOnly;
}

} // namespace rcl
