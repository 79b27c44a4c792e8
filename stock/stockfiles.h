#pragma once

#include "stock/runestock.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

namespace rcl {

inline constexpr int GroupCount = 9;
// The program writes a few hundred bytes to each of its files; only this much
// of one is read, whatever is there.
inline constexpr qint64 MaxFileBytes = 1 << 20;

// The program's directory with one trailing '/'. The save folder and the
// rune word data files live there, so the program keeps its data beside itself.
[[nodiscard]] QString AppDirectory();

// What became of a file operation, with the file and the reason when it failed,
// so that the window can tell the user what is at stake.
struct FileResult
{
    bool ok = true;
    QString fileName;
    QString reason;

    [[nodiscard]] static FileResult failure(const QString &fileName, const QString &reason)
    {
        return {false, fileName, reason};
    }
};

// Save file of a group: 33 lines, one quantity per rune in catalogue order.
[[nodiscard]] QByteArray formatSaveFile(const RuneStock &stock);
// Reads as many quantities as the content has lines; runes after the last
// line, and lines that are not numbers, read 0.
[[nodiscard]] RuneStock parseSaveFile(const QByteArray &content);

// The nine lines of the group names file as stored, undecoded; missing lines
// are empty.
using GroupNameLines = std::array<QByteArray, GroupCount>;
[[nodiscard]] GroupNameLines parseGroupNames(const QByteArray &content);
// Group names are stored in Shift-JIS (code page 932). None when the code
// page cannot hold the name, or it holds a line break: either would store
// something other than what the user typed.
[[nodiscard]] std::optional<QByteArray> encodeGroupName(const QString &name);
// Nine lines, each with CR LF.
[[nodiscard]] QByteArray formatGroupNames(const GroupNameLines &names);

// The files of the `save` folder in an application directory.
class StockFiles final
{
public:
    explicit StockFiles(QString appDirectory);

    [[nodiscard]] QString appDirectory() const { return m_appDirectory; }
    [[nodiscard]] QString saveDirectory() const;
    [[nodiscard]] QString saveFilePath(int group) const;
    [[nodiscard]] QString groupNamesPath() const;

    // A missing save file is a group never saved: all zeros and success.
    [[nodiscard]] FileResult LoadRuneStock(RuneStock &stock, int group) const;
    // Writes the whole file or nothing: the old file stays until the new one
    // is complete on disk.
    [[nodiscard]] FileResult SaveRuneStock(const RuneStock &stock, int group) const;
    // Creates the save folder when it is missing, as the first run expects.
    [[nodiscard]] QString LoadGroupName(int group) const;
    [[nodiscard]] GroupNameLines readGroupNameLines() const;
    // Rewrites the names file whole with the stored name at the group's line;
    // the other lines pass through byte for byte.
    [[nodiscard]] FileResult renameGroup(int group, const QByteArray &storedName) const;

private:
    bool makeSaveDirectory() const;
    // The whole file or nothing: the old file stays until the new one is
    // complete on disk.
    [[nodiscard]] FileResult writeWhole(const QString &path, const QByteArray &content) const;

    QString m_appDirectory;
};

} // namespace rcl
