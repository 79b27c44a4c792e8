#pragma once

#include "stockfiles.h"

#include <QLockFile>

#include <memory>

namespace rcl {

// One running checklist per program folder: a second one would write its own
// counts over the first one's at closing. The lock lives in the save folder;
// a lock left behind by a program that died is taken over.
class InstanceLock final
{
public:
    enum class State { Acquired, HeldByAnother, Unavailable };

    explicit InstanceLock(const StockFiles &files);
    ~InstanceLock();
    Q_DISABLE_COPY_MOVE(InstanceLock)

    [[nodiscard]] State state() const { return m_state; }
    // Why the lock could not be made, when it is Unavailable.
    [[nodiscard]] QString reason() const { return m_reason; }
    [[nodiscard]] QString path() const { return m_path; }

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
    State m_state = State::Unavailable;
    QString m_reason;
};

} // namespace rcl
