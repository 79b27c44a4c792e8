#include "platform/machinename.h"

#include <QSysInfo>

namespace rcl {

QString lockMachineName()
{
    return QSysInfo::machineHostName();
}

} // namespace rcl
