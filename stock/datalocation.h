#pragma once

#include "stockfiles.h"

#include <QString>

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

// Makes the data directory and copies the shipped rune word files into it,
// never over a file or link that is there: a user's edited copy is kept.
// Nothing to do for a portable program.
[[nodiscard]] FileResult copyShippedFiles(const DataLocation &location);

} // namespace rcl
