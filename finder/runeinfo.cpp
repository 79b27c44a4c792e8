#include "runeinfo.h"

#include "runecatalogue.h"

namespace rcl {
namespace {

QList<PanelLine> runeLines(int index, qint32 quantity, const QString &effectHeading)
{
    using panelsize::RuneHeader;
    QList<PanelLine> lines{
        {QString(), RuneHeader},
        {QStringLiteral("  Name  : ") + RuneCatalogue::name(index), RuneHeader},
        {QString(), RuneHeader},
        {QStringLiteral("  Req Lv : ") + QString::number(RuneCatalogue::requiredLevel(index)), RuneHeader},
        {QString(), RuneHeader},
        {QStringLiteral("  Quantity : ") + QString::number(quantity), RuneHeader},
        {QString(), RuneHeader},
        {effectHeading, RuneHeader},
    };
    for (const QString &effect : RuneCatalogue::effectLines(index))
        lines.append({effect, panelsize::Effects});
    return lines;
}

} // namespace

QList<PanelLine> runeInfoLines(int index, qint32 quantity)
{
    QList<PanelLine> lines = runeLines(index, quantity, QStringLiteral(" Effect :"));
    lines.append({QString(), panelsize::Effects});
    return lines;
}

QList<PanelLine> firstRuneLines(qint32 quantity)
{
    return runeLines(0, quantity, QStringLiteral(" Effect : "));
}

} // namespace rcl
