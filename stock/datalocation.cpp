#include "datalocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

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

FileResult copyShippedFiles(const DataLocation &location)
{
    if (!location.installed())
        return {};
    if (!QDir().mkpath(location.directory))
        return FileResult::failure(location.directory,
                                   QCoreApplication::translate("DataLocation", "The folder cannot be created."));
    for (const QString &name : {u"rune.dat"_s, u"runename.dat"_s}) {
        const QString target = QDir(location.directory).filePath(name);
        const QFileInfo existing(target);
        if (existing.exists() || existing.isSymLink())
            continue;
        QFile shipped(QDir(location.shippedDirectory).filePath(name));
        if (!shipped.copy(target))
            return FileResult::failure(target, shipped.errorString());
        // The copy is the user's to edit, whatever rights the shipped file had.
        QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner);
    }
    return {};
}

} // namespace rcl
