#include "connectors/quickbooks/requests/IsTimeTrackEnabledRequest.h"

#include "connectors/quickbooks/requests/ResponseLookup.h"
#include "core/DateTime.h"

namespace Quorvane {
namespace Connectors {

void IsTimeTrackEnabledRequest::BuildRequest(Qbfc::IMsgSetRequest request)
{
    Qbfc::ITimeTrackingAdd add = request.AppendTimeTrackingAddRq();
    add.EntityRef().ListID().SetValue(L"0");
    add.Duration().SetValue(10, 11, 12, false);
    add.TxnDate().SetValue(DateTime(7, 6, 2012).ToVariantDate());
}

void IsTimeTrackEnabledRequest::ProcessResponse(Qbfc::IMsgSetResponse response)
{
    try {
        m_createdTxnId = FindResponseDetail<Qbfc::ITimeTrackingRet>(response).TxnID().GetValue();
        m_result = true;
    } catch (const QuickBooksException& refusal) {
        m_result = refusal.GetStatusCode() != FeatureNotEnabled;
    }
}

}  // namespace Connectors
}  // namespace Quorvane
