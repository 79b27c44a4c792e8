#include "platform/codepage932.h"

#include <windows.h>

#include <limits>

namespace rcl::codepage932 {
namespace {

constexpr UINT CodePage = 932;

bool fitsInt(qsizetype size)
{
    return size <= std::numeric_limits<int>::max();
}

} // namespace

bool systemConverts()
{
    return true;
}

std::optional<QString> decode(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return QString();
    if (!fitsInt(bytes.size()))
        return std::nullopt;
    const int inSize = int(bytes.size());
    const int outSize = ::MultiByteToWideChar(CodePage, MB_ERR_INVALID_CHARS, bytes.data(), inSize, nullptr, 0);
    if (outSize <= 0)
        return std::nullopt;
    QString text(outSize, Qt::Uninitialized);
    if (::MultiByteToWideChar(CodePage, MB_ERR_INVALID_CHARS, bytes.data(), inSize,
                              reinterpret_cast<wchar_t *>(text.data()), outSize) != outSize)
        return std::nullopt;
    return text;
}

std::optional<QByteArray> encode(QStringView text)
{
    if (text.isEmpty())
        return QByteArray();
    if (!fitsInt(text.size()))
        return std::nullopt;
    const auto *in = reinterpret_cast<const wchar_t *>(text.utf16());
    const int inSize = int(text.size());
    // No best fit: a character the code page lacks is not stored as a
    // look-alike ("é" as "e"), it makes the text refused.
    BOOL usedDefault = FALSE;
    const int outSize = ::WideCharToMultiByte(CodePage, WC_NO_BEST_FIT_CHARS, in, inSize, nullptr, 0, nullptr,
                                              &usedDefault);
    if (outSize <= 0 || usedDefault)
        return std::nullopt;
    QByteArray bytes(outSize, Qt::Uninitialized);
    if (::WideCharToMultiByte(CodePage, WC_NO_BEST_FIT_CHARS, in, inSize, bytes.data(), outSize, nullptr,
                              &usedDefault) != outSize
        || usedDefault)
        return std::nullopt;
    return bytes;
}

} // namespace rcl::codepage932
