#include "connectors/quickbooks/requests/CreateEmployeeRequest.h"

#include "connectors/quickbooks/requests/FieldValues.h"
#include "connectors/quickbooks/requests/GetEmployeeRequest.h"

namespace Quorvane {
namespace Connectors {

void CreateEmployeeRequest::BuildRequest(Qbfc::IMsgSetRequest request) {
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

boost::shared_ptr<Employee> ReadCreatedEmployee(Qbfc::IEmployeeRet ret) {
    boost::shared_ptr<Employee> employee = ReadEmployeeIdentity(ret);
    Qbfc::IEmployeePayrollInfoRet payroll = ret.EmployeePayrollInfo();
    if (!payroll.IsNull()) {
        employee->SetUsesTimeData(ReadIfSet(payroll.IsUsingTimeDataToCreatePaychecks(), false));
        int unknown = Employee::UnknownTimeDataValue;
        employee->SetUsesTimeDataValue(ReadIfSet(payroll.UseTimeDataToCreatePaychecks(), unknown));
    }
    return employee;
}

}  // namespace Connectors
}  // namespace Quorvane
