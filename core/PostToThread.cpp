#include "core/PostToThread.h"

#include <memory>
#include "core/Boundary.h"

namespace Quorvane {

namespace {

typedef boost::function<void()> PostedCall;

bool QueueCall(HANDLE thread, const PostedCall& call)
{
    std::unique_ptr<PostedCall> copy(new PostedCall(call));
    if (!QueueUserAPC(ApcRunPostedCall, thread, reinterpret_cast<ULONG_PTR>(copy.get())))
        return false;
    copy.release();
    return true;
}

}  // namespace

bool PostToThread(DWORD threadId, const PostedCall& call)
{
    if (call.empty())
        return false;
    HANDLE thread = OpenThread(THREAD_SET_CONTEXT, FALSE, threadId);
    if (!thread)
        return false;
    bool queued = QueueCall(thread, call);
    CloseHandle(thread);
    if (queued)
        PostThreadMessageW(threadId, kPostedCallWakeMessage, 0, 0);
    return queued;
}

void CALLBACK ApcRunPostedCall(ULONG_PTR postedCall)
{
    std::unique_ptr<PostedCall> call(reinterpret_cast<PostedCall*>(postedCall));
    RunAtBoundary(L"a call posted to this thread", *call);
}

}  // namespace Quorvane
