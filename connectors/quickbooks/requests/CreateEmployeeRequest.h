#pragma once
#include <string>
#include <boost/shared_ptr.hpp>
#include "connectors/quickbooks/requests/ListAddRequest.h"
#include "core/Employee.h"

namespace Quorvane {
namespace Connectors {

// The employee QuickBooks returned, with the EditSequence and time-data value a later change
// of the employee needs; the value stays unknown when QuickBooks leaves it out.
boost::shared_ptr<Employee> ReadCreatedEmployee(Qbfc::IEmployeeRet ret);

// Adds an active employee who is paid from time data when a payroll item is given. Result: 0
// and the created employee, QuickBooks's status when refused, 1 when no employee came back.
class CreateEmployeeRequest : public ListAddRequest<Qbfc::IEmployeeRet, Employee> {
public:
    void SetFirstName(const std::wstring& name) { m_firstName = name; }
    void SetLastName(const std::wstring& name) { m_lastName = name; }
    void SetMiddleName(const std::wstring& name) { m_middleName = name; }
    void SetPayrollItemId(const std::wstring& id) { m_payrollItemId = id; }

    void BuildRequest(Qbfc::IMsgSetRequest request) override;

protected:
    boost::shared_ptr<Employee> ReadCreated(Qbfc::IEmployeeRet ret) const override { return ReadCreatedEmployee(ret); }

private:
    std::wstring m_firstName;
    std::wstring m_lastName;
    std::wstring m_middleName;
    std::wstring m_payrollItemId;
};

}  // namespace Connectors
}  // namespace Quorvane
