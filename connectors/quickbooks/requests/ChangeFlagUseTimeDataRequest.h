#pragma once
#include <string>
#include "connectors/quickbooks/requests/IQuickBookRequest.h"

namespace Quorvane {
namespace Connectors {

// Sets whether an employee's paychecks are made from time data: 1 yes, 2 no; any other value
// sends "not set". Result: 0 changed, QuickBooks's status when refused (3200 when the employee
// changed since it was read), kNotConfirmedStatus when no employee came back. A change makes
// the employee's EditSequence out of date: QuickBooks's answer carries the new one.
class ChangeFlagUseTimeDataRequest : public QuickBookWrite {
public:
    void SetEmployeeId(const std::wstring& id) { m_employeeId = id; }
    void SetEditSequence(const std::wstring& editSequence) { m_editSequence = editSequence; }
    void SetValue(int value) { m_value = value; }
    // Empty unless the result is 0.
    std::wstring GetNewEditSequence() const { return m_newEditSequence; }

    void BuildRequest(Qbfc::IMsgSetRequest request) override;
    void ProcessResponse(Qbfc::IMsgSetResponse response) override;

private:
    std::wstring m_employeeId;
    std::wstring m_editSequence;
    int m_value = 0;
    std::wstring m_newEditSequence;
};

}  // namespace Connectors
}  // namespace Quorvane
