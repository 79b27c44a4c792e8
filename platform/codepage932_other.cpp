#include "platform/codepage932.h"

namespace rcl::codepage932 {

bool systemConverts()
{
    return false;
}

std::optional<QString> decode(QByteArrayView)
{
    return std::nullopt;
}

std::optional<QByteArray> encode(QStringView)
{
    return std::nullopt;
}

} // namespace rcl::codepage932
