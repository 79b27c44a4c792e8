// runename.dat as any bytes.
#include "gamedata/runenames.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size)
{
    const QStringList names = rcl::parseRuneNames(QByteArray(reinterpret_cast<const char *>(bytes), qsizetype(size)));
    if (names.size() > rcl::MaxNames)
        __builtin_trap();
    return 0;
}
