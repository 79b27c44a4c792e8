// rune.dat as any bytes: parsing, lookups of the names the program asks for,
// and the rune word views built from them.
#include "interactionmode.h"
#include "profiledata.h"
#include "runewordfinder.h"

#include <QString>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size)
{
    const QByteArray content(reinterpret_cast<const char *>(bytes), qsizetype(size));
    const rcl::ProfileData data = rcl::ProfileData::parse(content);
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
        (void)finder.details(name);
    }
    return 0;
}
