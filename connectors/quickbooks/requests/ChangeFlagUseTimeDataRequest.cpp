#include "connectors/quickbooks/requests/ChangeFlagUseTimeDataRequest.h"

#include "connectors/quickbooks/QBStatusMessage.h"
#include "connectors/quickbooks/requests/FieldValues.h"

namespace Quorvane {
namespace Connectors {

void ChangeFlagUseTimeDataRequest::BuildRequest(Qbfc::IMsgSetRequest request)
{
    Qbfc::IEmployeeMod mod = request.AppendEmployeeModRq();
    mod.ListID().SetValue(m_employeeId);
    mod.EditSequence().SetValue(m_editSequence);
    bool known = m_value == utdUseTimeData || m_value == utdDoNotUseTimeData;
    mod.EmployeePayrollInfoMod().UseTimeDataToCreatePaychecks().SetValue(known ? m_value : utdNotSet);
    SetResult(kNotConfirmedStatus);
}

void ChangeFlagUseTimeDataRequest::ProcessResponse(Qbfc::IMsgSetResponse response)
{
    Qbfc::IEmployeeRet employee = ResultFromAnswer<Qbfc::IEmployeeRet>(response);
    if (!employee.IsNull())
        m_newEditSequence = ReadTextIfSet(employee.EditSequence());
}

}  // namespace Connectors
}  // namespace Quorvane
