#include "connectors/quickbooks/requests/CheckAccessToPayrollRequest.h"

#include "connectors/quickbooks/requests/FieldValues.h"
#include "connectors/quickbooks/requests/ResponseLookup.h"

namespace Quorvane {
namespace Connectors {

void CheckAccessToPayrollRequest::BuildRequest(Qbfc::IMsgSetRequest request)
{
    request.AppendPreferencesQueryRq();
}

void CheckAccessToPayrollRequest::ProcessResponse(Qbfc::IMsgSetResponse response)
{
    m_result = false;
    try {
        Qbfc::ICurrentAppAccessRights rights =
            FindResponseDetail<Qbfc::IPreferencesRet>(response).CurrentAppAccessRights();
        if (!rights.IsNull())
            m_result = ReadIfSet(rights.IsPersonalDataAccessAllowed(), false);
    } catch (...) {
        m_result = false;
    }
}

}  // namespace Connectors
}  // namespace Quorvane
