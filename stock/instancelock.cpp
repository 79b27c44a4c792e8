#include "instancelock.h"

#include <QCoreApplication>
#include <QDir>

namespace rcl {

InstanceLock::InstanceLock(const StockFiles &files)
    : m_path(files.saveDirectory() + QStringLiteral("/runechecklist.lock"))
{
    if (!QDir().mkpath(files.saveDirectory())) {
        m_reason = QCoreApplication::translate("InstanceLock", "The folder %1 cannot be created.")
                       .arg(QDir::toNativeSeparators(files.saveDirectory()));
        return;
    }
    m_lock = std::make_unique<QLockFile>(m_path);
    // Never stale by age: only a lock whose program is gone is taken over.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) {
        m_state = State::Acquired;
        return;
    }
    if (m_lock->error() == QLockFile::LockFailedError) {
        m_state = State::HeldByAnother;
        return;
    }
    m_reason = QCoreApplication::translate("InstanceLock", "The lock file %1 cannot be written.")
                   .arg(QDir::toNativeSeparators(m_path));
}

InstanceLock::~InstanceLock() = default;

} // namespace rcl
