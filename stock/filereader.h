#pragma once

#include <QByteArray>
#include <QString>

namespace rcl {

// A whole file as read, or why it could not be: an error while reading is a
// failure, never a shorter file.
struct FileContent
{
    enum class State { Read, Missing, Failed };

    State state = State::Missing;
    QByteArray bytes;
    QString reason;

    [[nodiscard]] bool failed() const { return state == State::Failed; }
};

// At most maxBytes of the file; the rest is not read.
[[nodiscard]] FileContent readFile(const QString &path, qint64 maxBytes);

// Why a path cannot be used as a file: it is a link to a missing file, which
// reads as nothing and which a write would follow to create a file elsewhere.
// Empty for anything else.
[[nodiscard]] QString danglingLink(const QString &path);

} // namespace rcl
