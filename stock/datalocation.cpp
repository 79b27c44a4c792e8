#include "stock/datalocation.h"

#include "stock/filereader.h"
#include "stock/filewriter.h"
#include "stock/translator.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <string_view>

using namespace Qt::StringLiterals;

namespace rcl {

DataLocation chooseDataLocation(const QString &programDirectory, const QString &perUserDirectory)
{
    const QDir program(programDirectory);
    // Either is the mark of a portable folder that is in use, wherever it is.
    if (program.exists(u"rune.dat"_s) || program.exists(u"save"_s))
        return {programDirectory, {}};
    const QString shipped = QDir::cleanPath(program.absoluteFilePath(u"../share/runechecklist"_s));
    if (!QFileInfo(shipped).isDir())
        return {programDirectory, {}};
    return {perUserDirectory, shipped};
}

QString DataLocation::settingsPath() const
{
    return QDir(directory).filePath(installed() ? u"runechecklist.ini"_s : u"save/runechecklist.ini"_s);
}

namespace {

// Every file ever shipped, newest last: a user's copy equal to one of them
// was never edited, so the next package may replace it.
constexpr std::string_view ShippedHashes[] = {
    // The example files of the first packages: 24 rune words.
    "9c156702ec49baa5ad775496e4fb7182509db97f9d41f974833e496b7cb1de09",
    "342cece1b7dd388c58986710dd83d6c36fedb9fc5b8fe81a38bcb970f465ce68",
    // The 99 rune words of game version 3.3, the runes, upgrades and kinds.
    "6da6d6252371a34cfcaeadf781497bd465a32cf2060b9118ffd02022c15dff9c",
    "555756cfddf2bbd4cb3ecb2facedfdc7ef76bc54d01a9fcce4e56677d7264378",
    // rune.dat with Ice's cold-storm skill under its Japanese name.
    "af247cf7d53099f52a2bcee68158912ff56c9b9513751476d4af946ae3d2d355",
    // rune.dat with the druid's and assassin's skill lines worded as 3.x words them.
    "1d7eee311b5cc60a556c0ba82ce2cb0ab773973687831fc17f268198a5e63705",
    // The Japanese pair: the same rune words with the game's Japanese texts.
    "0e0fbdb2c51a6b0d3500d459574dde093106cdaa1b99d562e95698f0b78cab3b",
    "be69950491fb2abc5d71ab12ba8ecc15984464313c85b2bfb003b3937da9ffd7",
};

// The rune word files are far below this; a larger one is no shipped file.
constexpr qint64 MaxDataBytes = qint64(32) << 20;

struct ShippedFile
{
    QString name;
    Settings::Key key;
};

const ShippedFile Files[] = {
    {u"rune.dat"_s, Settings::Key::ShippedRuneData},
    {u"runename.dat"_s, Settings::Key::ShippedRuneNames},
    {u"rune_ja.dat"_s, Settings::Key::ShippedRuneDataJa},
    {u"runename_ja.dat"_s, Settings::Key::ShippedRuneNamesJa},
};

constexpr Translator tr{"DataLocation"};

// The hash of a file's bytes, hex; empty when it cannot be read whole.
QByteArray hashOf(const QString &path)
{
    const FileContent file = readFile(path, MaxDataBytes);
    if (file.state != FileContent::State::Read)
        return {};
    return QCryptographicHash::hash(file.bytes, QCryptographicHash::Sha256).toHex();
}

FileResult copyWhole(const QString &from, const QString &to)
{
    const FileContent content = readFile(from, MaxDataBytes);
    if (content.state != FileContent::State::Read)
        return FileResult::failure(from, content.reason);
    if (const FileResult written = writeWholeFile(to, content.bytes); !written.ok)
        return written;
    // The copy is the user's to edit, whatever rights the shipped file had.
    QFile::setPermissions(to, QFile::permissions(to) | QFile::WriteOwner);
    return {};
}

} // namespace

const QSet<QByteArray> &shippedVersions()
{
    static const QSet<QByteArray> versions = [] {
        QSet<QByteArray> hashes;
        for (const std::string_view hash : ShippedHashes)
            hashes.insert(QByteArray(hash.data(), qsizetype(hash.size())));
        return hashes;
    }();
    return versions;
}

FileResult updateShippedFiles(const DataLocation &location, Settings &settings, const QSet<QByteArray> &shipped)
{
    if (!location.installed())
        return {};
    if (!QDir().mkpath(location.directory))
        return FileResult::failure(location.directory, tr("The folder cannot be created."));
    for (const ShippedFile &file : Files) {
        const QString source = QDir(location.shippedDirectory).filePath(file.name);
        const QString target = QDir(location.directory).filePath(file.name);
        const QByteArray now = hashOf(source);
        const QFileInfo existing(target);
        if (existing.exists() || existing.isSymLink()) {
            if (now.isEmpty())
                continue;
            const QByteArray mine = existing.isFile() && !existing.isSymLink() ? hashOf(target) : QByteArray();
            if (mine == now) {
                settings.setValue(file.key, QString::fromLatin1(now));
                continue;
            }
            // Edited, or no plain file that can be read: the user's.
            if (!shipped.contains(mine))
                continue;
        }
        if (const FileResult copied = copyWhole(source, target); !copied.ok)
            return copied;
        settings.setValue(file.key, QString::fromLatin1(now));
    }
    return {};
}

QList<ShippedNotice> newerShippedFiles(const DataLocation &location, const Settings &settings,
                                       const QSet<QByteArray> &shipped)
{
    QList<ShippedNotice> notices;
    if (!location.installed())
        return notices;
    for (const ShippedFile &file : Files) {
        const QString source = QDir(location.shippedDirectory).filePath(file.name);
        const QByteArray now = hashOf(source);
        const QByteArray mine = hashOf(QDir(location.directory).filePath(file.name));
        // An edited copy of the file shipped now has nothing newer to take.
        if (now.isEmpty() || mine.isEmpty() || mine == now || shipped.contains(mine)
            || settings.text(file.key).toLatin1() == now)
            continue;
        notices.append({file.name, tr("A newer %1 is shipped as %2. Yours was edited, so it is kept; to take the "
                                      "new one, rename or delete yours, and the next start copies it.")
                                       .arg(file.name, QDir::toNativeSeparators(source))});
    }
    return notices;
}

} // namespace rcl
