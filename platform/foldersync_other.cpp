#include "platform/foldersync.h"

namespace rcl {

// Where no folder can be flushed, the save relies on the file system.
bool syncFolder(const QString &)
{
    return true;
}

} // namespace rcl
