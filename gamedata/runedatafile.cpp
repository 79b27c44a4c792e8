#include "gamedata/runedatafile.h"

#include "stock/filereader.h"
#include "platform/filestamp.h"

#include <QDir>

#include <utility>

namespace rcl {

RuneDataFile::RuneDataFile(QString path)
    : m_path(std::move(path))
    , m_data(std::make_shared<const RuneData>())
{
}

std::shared_ptr<const RuneData> RuneDataFile::current()
{
    const std::optional<FileStamp> stamp = fileStamp(m_path);
    if (!stamp) {
        if (m_stamp) {
            m_stamp.reset();
            m_data = std::make_shared<const RuneData>();
        }
        return m_data;
    }
    if (stamp != m_stamp) {
        // The stamp is taken before reading: a change made while reading
        // shows as a new stamp at the next lookup, which reads again.
        m_stamp = stamp;
        m_data = std::make_shared<const RuneData>();
        if (stamp->size > MaxFileBytes) {
            m_problem = QStringLiteral("%1 is larger than %2 MiB and is not read.")
                            .arg(QDir::toNativeSeparators(m_path), QString::number(MaxFileBytes >> 20));
        } else if (FileContent file = readFile(m_path, MaxFileBytes); file.failed()) {
            m_problem = QStringLiteral("%1 cannot be read: %2").arg(QDir::toNativeSeparators(m_path), file.reason);
        } else {
            m_data = std::make_shared<const RuneData>(RuneData::parse(std::move(file.bytes)));
            ++m_parseCount;
        }
    }
    return m_data;
}

QString RuneDataFile::takeProblem()
{
    return std::exchange(m_problem, QString());
}

QString RuneDataFile::ReadRuneData(QStringView section, QStringView key)
{
    return current()->value(section, key);
}

} // namespace rcl
