#pragma once
#include <string>
#include "connectors/quickbooks/requests/IQuickBookRequest.h"

namespace Quorvane {
namespace Connectors {

// Sets whether an employee's paychecks are made from time data: 1 yes, 2 no; any other value
// sends "not set". Result: 0 changed, QuickBooks's status when refused (3200 when the employee
// changed since it was read), kNotConfirmedStatus when no employee came back.
class ChangeFlagUseTimeDataRequest : public QuickBookWrite {
public:
    void SetEmployeeId(const std::wstring& id) { m_employeeId = id; }
    void SetEditSequence(const std::wstring& editSequence) { m_editSequence = editSequence; }
    void SetValue(int value) { m_value = value; }

    void BuildRequest(Qbfc::IMsgSetRequest request) override;
    void ProcessResponse(Qbfc::IMsgSetResponse response) override;

private:
    std::wstring m_employeeId;
    std::wstring m_editSequence;
    int m_value = 0;
};

}  // namespace Connectors
}  // namespace Quorvane
