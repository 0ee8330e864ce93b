#pragma once
// Holds a slim reader/writer lock for a scope: exclusively, or shared with other readers.
#include <windows.h>

namespace Quorvane {

class SlimLock {
public:
    enum Mode { Exclusive, Shared };

    explicit SlimLock(SRWLOCK& lock, Mode mode = Exclusive) : m_lock(lock), m_mode(mode)
    {
        if (m_mode == Exclusive)
            AcquireSRWLockExclusive(&m_lock);
        else
            AcquireSRWLockShared(&m_lock);
    }
    ~SlimLock()
    {
        if (m_mode == Exclusive)
            ReleaseSRWLockExclusive(&m_lock);
        else
            ReleaseSRWLockShared(&m_lock);
    }

    SlimLock(const SlimLock&) = delete;
    SlimLock& operator=(const SlimLock&) = delete;

private:
    SRWLOCK& m_lock;
    const Mode m_mode;
};

}  // namespace Quorvane
