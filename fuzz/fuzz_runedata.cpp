// rune.dat as any bytes: parsing, the rune and item kind sections, lookups of
// the names the program asks for, the rune word views built from them, and
// the data check.
#include "datacheck.h"
#include "interactionmode.h"
#include "runedata.h"
#include "runewordfinder.h"

#include <QString>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size)
{
    const QByteArray content(reinterpret_cast<const char *>(bytes), qsizetype(size));
    const rcl::RuneData data = rcl::RuneData::parse(content);
    (void)data.kinds().tree();
    (void)data.kinds().loops();
    (void)rcl::parseInteractionMode(data.value(QStringLiteral("OverAll"), QStringLiteral("Rune Elect")));

    rcl::RuneStock stock;
    for (int i = 0; i < rcl::RuneCatalogue::Count; ++i)
        stock.set(i, i % 3);
    const rcl::RuneWordFinder finder(data, stock);
    // Section names taken from the input itself reach real sections.
    const QStringList names = QString::fromLatin1(content.left(512)).split(u'\n');
    for (const QString &line : names) {
        const QString name = line.trimmed().remove(u'[').remove(u']');
        (void)finder.IsRuneWordMakeable(name);
        (void)finder.MatchesItemType(name, QStringLiteral("Weapon "));
        (void)finder.MatchesItemType(name, name);
        (void)finder.details(name);
    }
    (void)rcl::checkRuneData(content, content.left(4096));
    return 0;
}
