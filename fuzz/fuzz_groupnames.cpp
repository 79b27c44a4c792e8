// A group names file as any bytes: names decode, and a rename passes the other
// lines through unchanged.
#include "stock/shiftjis.h"
#include "stock/stockfiles.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size)
{
    const QByteArray content(reinterpret_cast<const char *>(bytes), qsizetype(size));
    rcl::GroupNameLines names = rcl::parseGroupNames(content);
    for (const QByteArray &stored : names) {
        const QString name = rcl::shiftjis::decode(stored);
        (void)rcl::encodeGroupName(name);
    }
    const rcl::GroupNameLines before = names;
    names[4] = "renamed";
    const rcl::GroupNameLines after = rcl::parseGroupNames(rcl::formatGroupNames(names));
    for (std::size_t k = 0; k < after.size(); ++k) {
        if (k != 4 && after[k] != before[k])
            __builtin_trap();
    }
    return 0;
}
