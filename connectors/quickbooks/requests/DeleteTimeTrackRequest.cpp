#include "connectors/quickbooks/requests/DeleteTimeTrackRequest.h"

#include "connectors/quickbooks/QBStatusMessage.h"
#include "connectors/quickbooks/requests/ResponseLookup.h"

namespace Quorvane {
namespace Connectors {

void DeleteTimeTrackRequest::BuildRequest(Qbfc::IMsgSetRequest request)
{
    Qbfc::ITxnDel del = request.AppendTxnDelRq();
    del.TxnID().SetValue(m_txnId);
    del.TxnDelType().SetAsString(kTimeTrackingTxnDelType);
    SetResult(kNotConfirmedStatus);
}

void DeleteTimeTrackRequest::ProcessResponse(Qbfc::IMsgSetResponse response)
{
    try {
        FindAnyResponseDetail(response);
        SetResult(0);
    } catch (const QuickBooksException& refusal) {
        SetResult(refusal.GetStatusCode());
    } catch (...) {
    }
}

}  // namespace Connectors
}  // namespace Quorvane
