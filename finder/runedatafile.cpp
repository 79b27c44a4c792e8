#include "runedatafile.h"

#include <QFile>

#include <sys/stat.h>

namespace rcl {

RuneDataFile::RuneDataFile(QString path)
    : m_path(std::move(path))
{
}

std::optional<RuneDataFile::Stamp> RuneDataFile::currentStamp() const
{
    struct stat info{};
    if (::stat(QFile::encodeName(m_path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    constexpr qint64 Billion = 1'000'000'000;
    return Stamp{quint64(info.st_dev), quint64(info.st_ino), qint64(info.st_size),
                 qint64(info.st_mtim.tv_sec) * Billion + info.st_mtim.tv_nsec,
                 qint64(info.st_ctim.tv_sec) * Billion + info.st_ctim.tv_nsec};
}

QString RuneDataFile::ReadRuneData(const QString &section, const QString &key)
{
    const std::optional<Stamp> stamp = currentStamp();
    if (!stamp) {
        m_stamp.reset();
        m_data = ProfileData();
        return {};
    }
    if (stamp != m_stamp) {
        // The stamp is taken before reading: a change made while reading
        // shows as a new stamp at the next lookup, which reads again.
        QFile file(m_path);
        m_data = file.open(QIODevice::ReadOnly) ? ProfileData::parse(file.readAll()) : ProfileData();
        m_stamp = file.isOpen() ? stamp : std::nullopt;
        ++m_parseCount;
    }
    return m_data.value(section, key);
}

} // namespace rcl
