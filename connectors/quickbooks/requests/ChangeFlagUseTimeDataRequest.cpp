#include "connectors/quickbooks/requests/ChangeFlagUseTimeDataRequest.h"

#include "connectors/quickbooks/requests/ResponseLookup.h"

namespace Quorvane {
namespace Connectors {

void ChangeFlagUseTimeDataRequest::BuildRequest(Qbfc::IMsgSetRequest request) {
    Qbfc::IEmployeeMod mod = request.AppendEmployeeModRq();
    mod.ListID().SetValue(m_employeeId);
    mod.EditSequence().SetValue(m_editSequence);
    bool known = m_value == utdUseTimeData || m_value == utdDoNotUseTimeData;
    mod.EmployeePayrollInfo().UseTimeDataToCreatePaychecks().SetValue(known ? m_value : utdNotSet);
}

void ChangeFlagUseTimeDataRequest::ProcessResponse(Qbfc::IMsgSetResponse response) {
    try {
        FindResponseDetail<Qbfc::IEmployeeRet>(response);
    } catch (...) {
    }
}

}  // namespace Connectors
}  // namespace Quorvane
