#pragma once

#include "platform/filestamp.h"
#include "gamedata/runedata.h"

#include <QString>

#include <memory>
#include <optional>

namespace rcl {

// rune.dat as the program looks values up in it. An edit of the file takes
// effect at the very next lookup, yet an unchanged file is parsed only once:
// every lookup compares the file's stamp (size, times, identity) with that of
// the parse it holds. The times are as fine as the file system keeps them;
// where that is coarse, an edit that keeps the size within the same tick as
// the last one is seen at the next edit.
class RuneDataFile final
{
public:
    explicit RuneDataFile(QString path);

    [[nodiscard]] QString path() const { return m_path; }
    // The empty text when the file, the section or the key is missing, and
    // for a key with an empty value.
    [[nodiscard]] QString ReadRuneData(QStringView section, QStringView key);
    // The file as it is now, for the many lookups of one list or detail view:
    // they all see one version of the file and check it once.
    [[nodiscard]] std::shared_ptr<const RuneData> current();
    [[nodiscard]] int parseCount() const { return m_parseCount; }
    // Why the file as it is now is not read (too large, unreadable); given once
    // for each version of the file, empty otherwise.
    [[nodiscard]] QString takeProblem();

    // A rune.dat of ten thousand rune words is under 2 MiB: a larger file than
    // this is not one, and is not read.
    static constexpr qint64 MaxFileBytes = qint64(32) << 20;

private:
    QString m_path;
    std::optional<FileStamp> m_stamp;
    std::shared_ptr<const RuneData> m_data;
    int m_parseCount = 0;
    QString m_problem;
};

} // namespace rcl
