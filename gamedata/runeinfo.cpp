#include "gamedata/runeinfo.h"

namespace rcl {
namespace {

QList<PanelLine> runeLines(const RuneTable &runes, int index, qint32 quantity, const QString &effectHeading)
{
    using panelsize::RuneHeader;
    QList<PanelLine> lines{
        {QString(), RuneHeader},
        {QStringLiteral("  Name  : ") + runes.name(index), RuneHeader},
        {QString(), RuneHeader},
        {QStringLiteral("  Req Lv : ") + QString::number(runes.requiredLevel(index)), RuneHeader},
        {QString(), RuneHeader},
        {QStringLiteral("  Quantity : ") + QString::number(quantity), RuneHeader},
        {QString(), RuneHeader},
        {effectHeading, RuneHeader},
    };
    for (const QString &effect : runes.effectLines(index))
        lines.append({effect, panelsize::Effects});
    return lines;
}

} // namespace

QList<PanelLine> runeInfoLines(const RuneTable &runes, int index, qint32 quantity)
{
    QList<PanelLine> lines = runeLines(runes, index, quantity, QStringLiteral(" Effect :"));
    lines.append({QString(), panelsize::Effects});
    return lines;
}

QList<PanelLine> firstRuneLines(const RuneTable &runes, qint32 quantity)
{
    return runeLines(runes, 0, quantity, QStringLiteral(" Effect : "));
}

} // namespace rcl
