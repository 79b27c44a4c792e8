#include "runedatafile.h"

#include <QDir>
#include <QFile>

#include <utility>

#include <sys/stat.h>

namespace rcl {

RuneDataFile::RuneDataFile(QString path)
    : m_path(std::move(path))
    , m_encodedPath(QFile::encodeName(m_path))
    , m_data(std::make_shared<const ProfileData>())
{
}

std::optional<RuneDataFile::Stamp> RuneDataFile::currentStamp() const
{
    struct stat info{};
    if (::stat(m_encodedPath.constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    constexpr qint64 Billion = 1'000'000'000;
    return Stamp{quint64(info.st_dev), quint64(info.st_ino), qint64(info.st_size),
                 qint64(info.st_mtim.tv_sec) * Billion + info.st_mtim.tv_nsec,
                 qint64(info.st_ctim.tv_sec) * Billion + info.st_ctim.tv_nsec};
}

std::shared_ptr<const ProfileData> RuneDataFile::current()
{
    const std::optional<Stamp> stamp = currentStamp();
    if (!stamp) {
        if (m_stamp) {
            m_stamp.reset();
            m_data = std::make_shared<const ProfileData>();
        }
        return m_data;
    }
    if (stamp != m_stamp) {
        // The stamp is taken before reading: a change made while reading
        // shows as a new stamp at the next lookup, which reads again.
        m_stamp = stamp;
        m_data = std::make_shared<const ProfileData>();
        QFile file(m_path);
        if (stamp->size > MaxFileBytes) {
            m_problem = QStringLiteral("%1 is larger than %2 MiB and is not read.")
                            .arg(QDir::toNativeSeparators(m_path))
                            .arg(MaxFileBytes >> 20);
        } else if (!file.open(QIODevice::ReadOnly)) {
            m_problem = QStringLiteral("%1 cannot be read: %2").arg(QDir::toNativeSeparators(m_path), file.errorString());
        } else {
            m_data = std::make_shared<const ProfileData>(ProfileData::parse(file.read(MaxFileBytes)));
            ++m_parseCount;
        }
    }
    return m_data;
}

QString RuneDataFile::takeProblem()
{
    return std::exchange(m_problem, QString());
}

QString RuneDataFile::ReadRuneData(const QString &section, const QString &key)
{
    return current()->value(section, key);
}

} // namespace rcl
