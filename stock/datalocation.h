#pragma once

#include "stock/settings.h"
#include "stock/stockfiles.h"

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>

namespace rcl {

// Where one checklist keeps its save folder, its lock and the rune word files
// rune.dat and runename.dat, decided once at start.
struct DataLocation
{
    QString directory;
    // Installed only: the folder of the shipped rune word files, copied into
    // directory at the first start. Empty when the program runs portable.
    QString shippedDirectory;

    [[nodiscard]] bool installed() const { return !shippedDirectory.isEmpty(); }
    // The settings file: in the data folder of an installed copy, beside the
    // counts in the save folder of a portable one, whose own folder is the
    // program's.
    [[nodiscard]] QString settingsPath() const;
};

// Portable, in the program's own folder, unless that folder holds neither
// rune.dat nor a save folder and the installed data folder
// ../share/runechecklist is beside it: then the per-user folder, so that
// nothing is ever written beside an installed program.
[[nodiscard]] DataLocation chooseDataLocation(const QString &programDirectory, const QString &perUserDirectory);

// The SHA-256 of every rune.dat and runename.dat that a package has shipped.
[[nodiscard]] const QSet<QByteArray> &shippedVersions();

// Makes the data directory of an installed program and brings the shipped
// rune word files into it: a missing file is copied, and a copy that is byte
// for byte a file some package shipped is replaced by the one shipped now.
// An edited copy, and anything that is not a plain file, is kept. The
// settings remember which shipped file the user's copy came from. Nothing to
// do for a portable program.
[[nodiscard]] FileResult updateShippedFiles(const DataLocation &location, Settings &settings,
                                            const QSet<QByteArray> &shipped = shippedVersions());
// For each edited copy that a newer shipped file did not replace: the file's
// name and a sentence that says where the newer one is.
struct ShippedNotice
{
    QString file;
    QString text;
};
[[nodiscard]] QList<ShippedNotice> newerShippedFiles(const DataLocation &location, const Settings &settings,
                                            const QSet<QByteArray> &shipped = shippedVersions());

} // namespace rcl
