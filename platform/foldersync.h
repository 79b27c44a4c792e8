#pragma once

#include <QString>

namespace rcl {

// Makes a rename into the folder durable: after a power cut the folder holds
// the new file, not the old one. True where there is nothing to do.
bool syncFolder(const QString &path);

} // namespace rcl
