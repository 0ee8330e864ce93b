#pragma once
// One exchange with QuickBooks: the request appends itself to a message set, reads its own
// response, and is told of a COM failure before the failure is thrown to its caller.
#include "connectors/quickbooks/qbfc/Session.h"
#include "connectors/quickbooks/requests/QBEnumValues.h"
#include "connectors/quickbooks/requests/ResponseLookup.h"

namespace Quorvane {
namespace Connectors {

class IQuickBookRequest {
public:
    virtual ~IQuickBookRequest() {}
    virtual void BuildRequest(Qbfc::IMsgSetRequest request) = 0;
    virtual void ProcessResponse(Qbfc::IMsgSetResponse response) = 0;
    virtual void SetErrorCode(int code) = 0;
};

// A request that keeps nothing of a COM failure: QBRequest's exception says it all.
class QuickBookQuery : public IQuickBookRequest {
public:
    void SetErrorCode(int) override {}
};

// A write that reports its outcome as a result code: 0 accepted, a QuickBooks status when
// refused, a negative HRESULT after a COM failure, or the marker left by BuildRequest when no
// response of the expected kind was read.
class QuickBookWrite : public IQuickBookRequest {
public:
    QuickBookWrite() : m_result(0) {}
    void SetErrorCode(int code) override { m_result = code; }
    int GetResult() const { return m_result; }

protected:
    void SetResult(int result) { m_result = result; }

    // 0 when QuickBooks answered with a Ret of the type, its status when it refused; any other
    // answer leaves the marker. The Ret is given back, null unless the result is 0.
    template <typename Ret>
    Ret ResultFromAnswer(Qbfc::IMsgSetResponse response)
    {
        try {
            Ret answer = FindResponseDetail<Ret>(response);
            SetResult(0);
            return answer;
        } catch (const QuickBooksException& refusal) {
            SetResult(refusal.GetStatusCode());
        } catch (...) {
        }
        return Ret();
    }

private:
    int m_result;
};

}  // namespace Connectors
}  // namespace Quorvane
