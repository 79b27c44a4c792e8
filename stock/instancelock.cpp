#include "stock/instancelock.h"

#include "stock/filereader.h"
#include "platform/machinename.h"
#include "stock/textlines.h"

#include <QCoreApplication>
#include <QDir>
#include <QSysInfo>

namespace rcl {
namespace {

struct LockOwner
{
    bool readable = false;
    bool thisMachine = true;
    QString machine;
};

// The lock file holds the process id, the program's name, the host name and
// then the machine's id, one per line. A machine id, where both machines have
// one, tells machines apart better than a host name.
LockOwner lockOwner(const QString &path)
{
    const FileContent file = readFile(path, 4096);
    const QList<QByteArrayView> lines = splitLines(file.bytes);
    bool isNumber = false;
    if (lines.isEmpty() || lines[0].toLongLong(&isNumber) <= 0 || !isNumber)
        return {};
    LockOwner owner{true, true, {}};
    if (lines.size() > 2)
        owner.machine = QString::fromUtf8(lines[2]);
    const QByteArray ourId = QSysInfo::machineUniqueId();
    if (lines.size() > 3 && !lines[3].isEmpty() && !ourId.isEmpty())
        owner.thisMachine = lines[3] == ourId;
    else
        owner.thisMachine = owner.machine.isEmpty() || owner.machine == lockMachineName();
    if (owner.machine.isEmpty())
        owner.machine = lines.size() > 3 ? QString::fromUtf8(lines[3]) : QString();
    return owner;
}

} // namespace

InstanceLock::InstanceLock(const StockFiles &files)
    : m_path(files.saveDirectory() + QStringLiteral("/runechecklist.lock"))
{
    if (!QDir().mkpath(files.saveDirectory())) {
        m_reason = QCoreApplication::translate("InstanceLock", "The folder %1 cannot be created.")
                       .arg(QDir::toNativeSeparators(files.saveDirectory()));
        return;
    }
    m_lock = std::make_unique<QLockFile>(m_path);
    // Never stale by age: a checklist stays open for hours.
    m_lock->setStaleLockTime(0);
    tryToLock();
    if (m_state != State::HeldHere)
        return;
    // Qt has already taken over a lock whose program is gone from this
    // machine; what it cannot read is taken over here.
    const LockOwner owner = lockOwner(m_path);
    if (!owner.readable) {
        m_lock->removeStaleLockFile();
        tryToLock();
        // Still held: either a checklist that was just writing it, or a file
        // that cannot be removed, which must not keep the user out.
        if (m_state == State::HeldHere && !lockOwner(m_path).readable) {
            m_state = State::Unavailable;
            m_reason = QCoreApplication::translate("InstanceLock", "The lock file %1 cannot be replaced.")
                           .arg(QDir::toNativeSeparators(m_path));
        }
    } else if (!owner.thisMachine) {
        m_state = State::HeldElsewhere;
        m_holder = owner.machine;
    }
}

InstanceLock::~InstanceLock() = default;

void InstanceLock::tryToLock()
{
    if (m_lock->tryLock(0)) {
        m_state = State::Acquired;
        return;
    }
    if (m_lock->error() == QLockFile::LockFailedError) {
        m_state = State::HeldHere;
        return;
    }
    m_state = State::Unavailable;
    m_reason = QCoreApplication::translate("InstanceLock", "The lock file %1 cannot be written.")
                   .arg(QDir::toNativeSeparators(m_path));
}

void InstanceLock::takeOver()
{
    if (m_state != State::HeldElsewhere)
        return;
    m_lock->removeStaleLockFile();
    tryToLock();
    if (m_state != State::Acquired) {
        m_state = State::Unavailable;
        m_reason = QCoreApplication::translate("InstanceLock", "The lock file %1 cannot be replaced.")
                       .arg(QDir::toNativeSeparators(m_path));
    }
}

} // namespace rcl
