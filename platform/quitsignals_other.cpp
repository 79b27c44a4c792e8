#include "platform/quitsignals.h"

#include <QSocketNotifier>

namespace rcl {

// Where there are no POSIX signals, a logout reaches the program through the
// session manager alone.
QuitSignals::QuitSignals(QObject *parent)
    : QObject(parent)
{
}

QuitSignals::~QuitSignals() = default;

void QuitSignals::readSignal() {}

} // namespace rcl
