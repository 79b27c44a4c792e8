#pragma once

#include <QString>

namespace rcl {

// The name of this machine as QLockFile writes it into a lock file, to tell a
// lock of this machine from one of another where the file has no machine id.
[[nodiscard]] QString lockMachineName();

} // namespace rcl
