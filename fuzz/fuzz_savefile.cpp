// A save file as any bytes: whatever is read must save and read back the same.
#include "stock/quantitytext.h"
#include "stock/stockfiles.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size)
{
    const QByteArray content(reinterpret_cast<const char *>(bytes), qsizetype(size));
    const rcl::RuneStock stock = rcl::parseSaveFile(content);
    const QByteArray saved = rcl::formatSaveFile(stock);
    if (rcl::parseSaveFile(saved) != stock || saved.size() > 33 * 14)
        __builtin_trap();
    (void)rcl::parseQuantity(content);
    return 0;
}
