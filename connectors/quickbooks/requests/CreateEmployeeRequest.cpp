#include "connectors/quickbooks/requests/CreateEmployeeRequest.h"

#include "connectors/quickbooks/requests/GetEmployeeRequest.h"

namespace Quorvane {
namespace Connectors {

void CreateEmployeeRequest::BuildRequest(Qbfc::IMsgSetRequest request)
{
    Qbfc::IEmployeeAdd add = request.AppendEmployeeAddRq();
    add.FirstName().SetValue(m_firstName);
    add.LastName().SetValue(m_lastName);
    add.MiddleName().SetValue(m_middleName);
    add.IsActive().SetValue(true);
    Qbfc::IEmployeePayrollInfo payroll = add.EmployeePayrollInfo();
    if (m_payrollItemId.empty()) {
        payroll.UseTimeDataToCreatePaychecks().SetValue(utdDoNotUseTimeData);
    } else {
        payroll.UseTimeDataToCreatePaychecks().SetValue(utdUseTimeData);
        payroll.OREarnings().EarningsList().Append().PayrollItemWageRef().ListID().SetValue(m_payrollItemId);
    }
    SetResult(1);
}

// IsUsingTimeDataToCreatePaychecks is not returned at message version 6.0: the flag comes
// from the value, as for an employee read.
boost::shared_ptr<Employee> ReadCreatedEmployee(Qbfc::IEmployeeRet ret)
{
    boost::shared_ptr<Employee> employee = ReadEmployeeIdentity(ret);
    Qbfc::IEmployeePayrollInfo payroll = ret.EmployeePayrollInfo();
    if (!payroll.IsNull())
        ReadUseTimeData(payroll, *employee);
    return employee;
}

}  // namespace Connectors
}  // namespace Quorvane
