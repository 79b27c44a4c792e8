#pragma once

#include "stock/stockfiles.h"

#include <QLockFile>

#include <memory>

namespace rcl {

// One running checklist per program folder: a second one would write its own
// counts over the first one's at closing. The lock lives in the save folder.
// A lock that cannot be trusted never keeps the user out: one whose program
// is gone from this machine, or that is empty or garbled (as a power cut
// leaves it), is taken over at once; one that another machine holds (a
// folder on a shared or synced drive) is taken over when the user says so.
class InstanceLock final
{
public:
    enum class State { Acquired, HeldHere, HeldElsewhere, Unavailable };

    explicit InstanceLock(const StockFiles &files);
    ~InstanceLock();
    Q_DISABLE_COPY_MOVE(InstanceLock)

    [[nodiscard]] State state() const { return m_state; }
    // Why the lock could not be made, when it is Unavailable.
    [[nodiscard]] QString reason() const { return m_reason; }
    [[nodiscard]] QString path() const { return m_path; }
    // The machine named in a lock that another machine holds.
    [[nodiscard]] QString holder() const { return m_holder; }

    // Takes over a lock that another machine holds.
    void takeOver();

private:
    void tryToLock();

    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
    State m_state = State::Unavailable;
    QString m_reason;
    QString m_holder;
};

} // namespace rcl
