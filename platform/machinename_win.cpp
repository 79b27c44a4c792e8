#include "platform/machinename.h"

namespace rcl {

// QLockFile writes the computer name from the environment on Windows, not the
// host name (which asks the network).
QString lockMachineName()
{
    return qEnvironmentVariable("COMPUTERNAME");
}

} // namespace rcl
