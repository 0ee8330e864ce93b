#pragma once
// A manual-reset Win32 event whose waits let calls queued to the waiting thread run.
#include <windows.h>
#include <boost/noncopyable.hpp>

namespace Quorvane {

class Event : private boost::noncopyable {
public:
    // A failed creation leaves the handle null.
    explicit Event(BOOL initialState = FALSE, LPCWSTR name = NULL);
    ~Event() { Close(); }

    bool IsNull() const { return m_handle == NULL; }
    void Set(bool signaled);
    // True only when the event was signalled in time. Each queued call that runs during the
    // wait starts it again with the full time-out.
    bool Wait(DWORD milliseconds);
    void Close();

private:
    HANDLE m_handle;
};

}  // namespace Quorvane
