#include "core/DetachedThread.h"

#include <windows.h>
#include <process.h>

#include <memory>

#include "core/Boundary.h"

namespace Quorvane {

namespace {

struct ThreadStart {
    const wchar_t* where;
    boost::function<void()> call;
};

unsigned __stdcall ThreadEntry(void* argument)
{
    std::unique_ptr<ThreadStart> start(static_cast<ThreadStart*>(argument));
    RunAtBoundary(start->where, start->call);
    return 0;
}

}  // namespace

bool StartDetachedThread(const wchar_t* where, const boost::function<void()>& call)
{
    std::unique_ptr<ThreadStart> start(new ThreadStart { where, call });
    const uintptr_t thread = _beginthreadex(NULL, 0, &ThreadEntry, start.get(), 0, NULL);
    if (!thread)
        return false;
    start.release();
    CloseHandle(reinterpret_cast<HANDLE>(thread));
    return true;
}

}  // namespace Quorvane
