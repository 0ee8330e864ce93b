#include "connectors/quickbooks/requests/ChangeTimeTrackRequest.h"

#include "connectors/quickbooks/QBStatusMessage.h"
#include "connectors/quickbooks/requests/FieldValues.h"

namespace Quorvane {
namespace Connectors {

void ChangeTimeTrackRequest::BuildRequest(Qbfc::IMsgSetRequest request)
{
    Qbfc::ITimeTrackingMod mod = request.AppendTimeTrackingModRq();
    mod.TxnID().SetValue(m_txnId);
    mod.EntityRef().ListID().SetValue(m_entityId);
    mod.EditSequence().SetValue(m_editSequence);
    Connectors::SetDuration(mod.Duration(), m_duration);
    SetResult(kNotConfirmedStatus);
}

void ChangeTimeTrackRequest::ProcessResponse(Qbfc::IMsgSetResponse response)
{
    ResultFromAnswer<Qbfc::ITimeTrackingRet>(response);
}

}  // namespace Connectors
}  // namespace Quorvane
