#pragma once
// A Win32 critical section (re-entrant for the thread that holds it) and its scoped lock.
#include <windows.h>
#include <boost/noncopyable.hpp>

namespace Quorvane {

class CriticalSection : private boost::noncopyable {
public:
    CriticalSection() { InitializeCriticalSection(&m_section); }
    virtual ~CriticalSection() { DeleteCriticalSection(&m_section); }

    void Lock() { EnterCriticalSection(&m_section); }
    void Unlock() { LeaveCriticalSection(&m_section); }

private:
    CRITICAL_SECTION m_section;
};

class CriticalSectionLock : private boost::noncopyable {
public:
    explicit CriticalSectionLock(CriticalSection& section) : m_section(&section) { m_section->Lock(); }
    ~CriticalSectionLock() { m_section->Unlock(); }

private:
    CriticalSection* m_section;
};

}  // namespace Quorvane
